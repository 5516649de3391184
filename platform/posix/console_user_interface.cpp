#include "platform/posix/console_user_interface.h"

#include <iostream>

void ConsoleUserInterface::message_box(std::string_view text,
                                       std::optional<std::string_view> caption, MessageIcon) {
    if (caption && !caption->empty())
        std::cerr << *caption << ": ";
    std::cerr << text << '\n';
}

bool ConsoleUserInterface::edit_cabrillo_header(CabrilloDialogFields&) {
    return true;
}
