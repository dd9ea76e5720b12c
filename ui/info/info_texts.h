#pragma once

#include <QString>

// The fixed texts of the help and information windows, as stored (lines end with CR LF).
namespace korvanta::info_texts {

QString HelpStep1();
QString HelpStep2();
QString HelpStep3();
QString FormDiameterExternal();
QString FormDiameterInternal();
QString Limitations();
QString TermsOfUse();
QString AboutDescription();
QString AboutCopyright();
QString AboutLicence();

} // namespace korvanta::info_texts
