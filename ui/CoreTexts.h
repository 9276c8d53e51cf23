#pragma once
// The core speaks Italian (failure descriptions, the Sensata country and gas
// texts) and knows nothing of Qt; the window shows those texts in its own
// language through Qt's translations.

#include <QString>
#include <string>

namespace dravino {

QString coreText(const char *text);
inline QString coreText(const std::string &text) { return coreText(text.c_str()); }

} // namespace dravino
