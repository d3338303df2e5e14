#pragma once

#include <QString>

// The manual beside the program in the language in force: a language file
// "QOREuroMillonv3_<language>.lng" has its manual "QOREuroMillon_<language>.pdf"
// when that file exists; the built-in texts, the Spanish file and a language
// without its own manual get the Spanish "QOREuroMillon.pdf".
QString ManualFilePath(const QString &languageFilePath);
