// Every test program keeps its recovery files in a folder of its own, made
// before the test starts and removed after it, so that no test sees the
// user's files or another test's.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct PrivateStateHome {
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/tovalo-state-XXXXXX")};
    PrivateStateHome() { qputenv("XDG_STATE_HOME", QFile::encodeName(dir.path())); }
};

const PrivateStateHome stateHome;

} // namespace
