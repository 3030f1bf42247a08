// What the program says of itself (name, version, description, legal
// notice, contact), as the build describes the product once for the about
// box, the help and the package.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace tallimo {

struct ProductInfo {
    QString name;          // "Tallimo"
    QString version;       // major.minor.revision: "1.5.0"
    QString description;   // one line
    QString legal_notice;  // copyright and warranty
    QString contact_mail;  // an address, without "mailto:"
    QString home_page;     // an http(s) address
};

ProductInfo Product();

// The program's icon, for its windows (the desktop's menu uses the
// installed SVG).
QIcon ProgramIcon();
// The about box's picture, 193 x 105 pixels.
QPixmap AboutPicture();

}  // namespace tallimo
