// Message boxes and the Cabrillo header dialog on Windows.
#pragma once

#include "plugin/user_interface.h"

class Win32UserInterface : public UserInterface {
  public:
    void message_box(std::string_view text, std::optional<std::string_view> caption,
                     MessageIcon icon) override;
    bool edit_cabrillo_header(CabrilloDialogFields& fields) override;
};
