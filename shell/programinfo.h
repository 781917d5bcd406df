#pragma once

#include <QString>

namespace kw {

// Who made the program and where to find them: the texts of the splash, the main menu and the
// About box.
QString webAddress();      // the program's web page
QString emailAddress();    // its makers' address
QString creditLine();      // the splash's one line about the makers
QString editionLine();     // the main menu: the rules the program follows
QString updatesLine();     // "  Updates, information and downloads can be found at:"
QString contactLine();     // the main menu: who made it, and an invitation to write
QString aboutDescription();   // ten lines
QString legalNotice();        // one line

// What a click on each link opens.
QString webLinkTarget();
QString emailLinkTarget();   // "mailto:" and the address

} // namespace kw
