// The native build has no windows: messages go to standard error, and the Cabrillo header is
// taken as the settings file holds it.
#pragma once

#include "plugin/user_interface.h"

class ConsoleUserInterface : public UserInterface {
  public:
    void message_box(std::string_view text, std::optional<std::string_view> caption,
                     MessageIcon icon) override;
    bool edit_cabrillo_header(CabrilloDialogFields& fields) override;
};
