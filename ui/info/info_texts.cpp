#include "ui/info/info_texts.h"

#include "ui/common/product.h"

namespace korvanta::info_texts {

QString HelpStep1() {
    return QStringLiteral(
        "Using Korvanta is simple. Follow these steps to get started.\r\n\r\n1.) Select the gear type by "
        "clicking the appropriate gear type option (External or Internal). \r\nSelecting External allows you "
        "to calculate gear data for an external pinion and gear set.\r\nSelecting Internal allows you to "
        "calculate gear data for an external pinion and an internal gear.\r\n");
}

QString HelpStep2() {
    return QStringLiteral(
        "2.) Type in the appropriate gear data for each input box. To navigate to each input "
        "box use your \r\nmouse or use the \"Enter\", \"Tab\" or up and down arrow keys.\r\n");
}

QString HelpStep3() {
    return QStringLiteral("3.) Click on the \"Calculate\" button using your mouse.\r\n");
}

QString FormDiameterExternal() {
    return QStringLiteral(
        "The Form Diameter is equal to the SAP Diameter minus an estimated amount \r\nof form clearance. The "
        "Form Clearance allows for any radial runout that might \r\nexist in a set of mating gears due to "
        "manufacturing or mounting errors.\r\n");
}

QString FormDiameterInternal() {
    return QStringLiteral(
        "The Form Diameter is equal to the SAP Diameter minus an estimated amount of form clearance for the "
        "pinion and plus an estimated amount of form clearance for the gear. The Form Clearance allows for "
        "any "
        "radial runout that might exist in a set of mating gears due to manufacturing or mounting "
        "errors.\r\n");
}

QString Limitations() {
    return QStringLiteral("Korvanta is a free tool designed to calculate inspection data for a set of mating "
                          "gears. It is a small part of our larger gear software Brenmark 2.0, which can be "
                          "obtained from ") +
           product::WebSite() +
           QStringLiteral(
               ".\r\n\r\nThe Korvanta program is fully functional but it does have a few limitations when "
               "compared with the mesh checking features of Brenmark 2.0:\r\n\r\n"
               "1.) This program will not tell you wether or not a set of gears will mesh properly in "
               "\r\noperation. It is up to the user to make sure that the correct data is entered for both "
               "the "
               "\r\ngear and the pinion.\r\n\r\n"
               "2.) This program does not check a set of gears for interference problems as Brenmark 2.0 "
               "does. \r\nBrenmark 2.0 also checks for base circle interference, non-standard center "
               "distance "
               "\r\nand tooth overlap, and for negative backlash.\r\n\r\n"
               "3.) Because this program does not accept the input of cutter data it will not give you tooth "
               "\r\ndepth or root diameters as Brenmark 2.0 will.\r\n\r\n"
               "To download an evaluation version of Brenmark 2.0 click on the \"Web Site\" button "
               "below.\r\n");
}

QString TermsOfUse() {
    return QStringLiteral(
        "Korvanta - Terms of Use\r\n\r\n"
        "Copyright \u00A9 2026 Korvanta Gear Software. Korvanta is free software under the MIT License; "
        "in plain words:\r\n\r\n"
        "1. You may use Korvanta free of charge, for private and commercial work, on as many computers as "
        "you like.\r\n\r\n"
        "2. You may copy, change, merge, publish and distribute it, give it away or sell copies, alone or as "
        "part of other software, and let others do the same.\r\n\r\n"
        "3. Every copy, and every substantial part of the program, must carry the copyright notice above "
        "and these terms.\r\n\r\n"
        "4. The program is provided \"as is\", without warranty of any kind, express or implied, "
        "including merchantability, fitness for a particular purpose and noninfringement. The authors and "
        "copyright holders are not liable for "
        "any claim, damage or other liability arising from the program or its use.\r\n\r\n"
        "The full text of the MIT License is in the file LICENSE that comes with the program.\r\n");
}

QString AboutDescription() {
    return QStringLiteral(
               "Korvanta is a free tool designed to calculate inspection data for a set of \r\nmating "
               "gears. It is a small part of the Brenmark 2.0 software \r\navailable from ") +
           product::WebSite() + QStringLiteral(".\r\n");
}

QString AboutCopyright() {
    return QStringLiteral("Copyright \u00A9 2026 Korvanta Gear Software");
}

QString AboutLicence() {
    return QStringLiteral("MIT License");
}

} // namespace korvanta::info_texts
