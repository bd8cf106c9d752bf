// Paths and messages between the core's std::string and Qt's QString.
#pragma once

#include <QFile>
#include <QString>
#include <string>

namespace zephlo {

inline std::string toPath(const QString& s) { return QFile::encodeName(s).toStdString(); }
inline QString fromPath(const std::string& s) {
  return QFile::decodeName(QByteArray::fromStdString(s));
}
// Messages of the core name files as the system spells them.
inline QString fromMessage(const std::string& s) { return QString::fromUtf8(s); }

} // namespace zephlo
