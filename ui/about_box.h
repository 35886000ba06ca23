#pragma once

#include "dialog.h"
#include "resource.h"

namespace tarvek {

// The About box: the template alone; no members, no data exchange.
class CAboutBox : public CDialog {
public:
    CAboutBox() : CDialog(IDD_ABOUTBOX) {}
};

}  // namespace tarvek
