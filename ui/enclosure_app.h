#pragma once

#include "application.h"

namespace resonara {

// The application: runs the main window modally and ends with it.
class CEnclosureApp final : public CWinApp {
protected:
    bool InitInstance() override;
};

}  // namespace resonara
