#include "document/documentframe.h"

namespace {
DocumentFrame *g_frame = nullptr;
}

DocumentFrame::DocumentFrame()
{
    g_frame = this;
}

DocumentFrame::~DocumentFrame()
{
    if (g_frame == this)
        g_frame = nullptr;
}

DocumentFrame *DocumentFrame::instance()
{
    return g_frame;
}
