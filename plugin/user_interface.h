// What the plug-in shows to the operator: message boxes and the Cabrillo header dialog.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cabrillo/cabrillo_dialog_fields.h"

enum class MessageIcon { none, information };

class UserInterface {
  public:
    virtual ~UserInterface() = default;
    // A modal box with an OK button; returns when it was closed. No caption when caption is
    // empty.
    virtual void message_box(std::string_view text, std::optional<std::string_view> caption,
                             MessageIcon icon) = 0;
    // Lets the operator edit the Cabrillo header; true when confirmed with OK, and then the
    // fields hold the edited texts.
    virtual bool edit_cabrillo_header(CabrilloDialogFields& fields) = 0;
};
