// The Cabrillo header dialog "Cabrillo" (template 101): it only moves the header texts between
// CabrilloDialogFields and its controls.
#pragma once

#include "cabrillo/cabrillo_dialog_fields.h"
#include "platform/win32/modal_dialog.h"

class Cabrillo : public ModalDialog {
  public:
    explicit Cabrillo(CabrilloDialogFields& fields) : fields_(fields) {}
    // True when the operator confirmed with OK; then the fields hold the controls' texts.
    bool DoModal(HWND owner);

  private:
    void on_init() override;
    void on_ok() override;

    CabrilloDialogFields& fields_;
};
