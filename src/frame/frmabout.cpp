#include "frame/frmabout.h"

#include "shared/formregistry.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    auto *name = new QLabel(QStringLiteral("<h2>Tovalo</h2>"), this);
    auto *version = new QLabel(QStringLiteral("バージョン %1").arg(QStringLiteral(TOVALO_VERSION)), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto *description = new QLabel(
        QStringLiteral("HTML・スタイルシート・JavaScript のためのソースエディタです。\n"
                       "タグの色分け、タグと属性の入力補完、ページのチェックを備えています。"),
        this);
    auto *build = new QLabel(QStringLiteral("Qt %1 でビルドされました。").arg(QString::fromLatin1(qVersion())), this);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(description);
    layout->addWidget(build);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    FormRegistry::add(this);
}
