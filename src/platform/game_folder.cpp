#include "platform/game_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <algorithm>

namespace zephlo {

namespace {

constexpr QLatin1String kGameKey("Software\\LucasArts Entertainment Company LLC\\X-Wing "
                                 "Alliance\\V1.0");
constexpr QLatin1String kGameKey32("Software\\Wow6432Node\\LucasArts Entertainment Company "
                                   "LLC\\X-Wing Alliance\\V1.0");
constexpr QLatin1String kValueName("Install Path");

QString joinPath(const QString& base, const QString& name) {
  if (base.isEmpty()) return name;
  return base.endsWith(QLatin1Char('/')) ? base + name : base + QLatin1Char('/') + name;
}

int hexValue(QChar c) {
  if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return c.unicode() - '0';
  if (c >= QLatin1Char('a') && c <= QLatin1Char('f')) return c.unicode() - 'a' + 10;
  if (c >= QLatin1Char('A') && c <= QLatin1Char('F')) return c.unicode() - 'A' + 10;
  return -1;
}

// Reads text up to the unescaped character `end`, starting at pos, undoing
// the escapes Wine writes into its registry files ("\\", "\"", "\n",
// "\xHHHH"). Leaves pos after `end`; false when the line ends first.
bool readEscaped(const QString& line, qsizetype& pos, QChar end, QString& out) {
  out.clear();
  while (pos < line.size()) {
    const QChar c = line[pos++];
    if (c == end) return true;
    if (c != QLatin1Char('\\') || pos >= line.size()) {
      out += c;
      continue;
    }
    const QChar e = line[pos++];
    if (e == QLatin1Char('n')) {
      out += QLatin1Char('\n');
    } else if (e == QLatin1Char('r')) {
      out += QLatin1Char('\r');
    } else if (e == QLatin1Char('t')) {
      out += QLatin1Char('\t');
    } else if (e == QLatin1Char('x')) {
      int code = 0;
      int digits = 0;
      while (digits < 4 && pos < line.size() && hexValue(line[pos]) >= 0) {
        code = code * 16 + hexValue(line[pos++]);
        ++digits;
      }
      out += digits > 0 ? QChar(code) : e;
    } else {
      out += e;
    }
  }
  return false;
}

// The key name of a section line "[Key\\Name] 1234567890", or an empty
// string when the line is not one.
QString sectionName(const QString& line) {
  if (!line.startsWith(QLatin1Char('['))) return {};
  qsizetype pos = 1;
  QString name;
  return readEscaped(line, pos, QLatin1Char(']'), name) ? name : QString();
}

// The string value of a line '"Install Path"="C:\\Games\\XWA"'; empty when
// the line holds another value or one that is not a string.
QString installPathValue(const QString& line) {
  if (!line.startsWith(QLatin1Char('"'))) return {};
  qsizetype pos = 1;
  QString name;
  if (!readEscaped(line, pos, QLatin1Char('"'), name)) return {};
  if (name.compare(kValueName, Qt::CaseInsensitive) != 0) return {};
  if (pos >= line.size() || line[pos] != QLatin1Char('=')) return {};
  ++pos;
  // Expandable strings are written as str(2):"...".
  if (line.mid(pos).startsWith(QLatin1String("str("))) {
    const qsizetype colon = line.indexOf(QLatin1String("):"), pos);
    if (colon < 0) return {};
    pos = colon + 2;
  }
  if (pos >= line.size() || line[pos] != QLatin1Char('"')) return {};
  ++pos;
  QString value;
  return readEscaped(line, pos, QLatin1Char('"'), value) ? value : QString();
}

// "C:\Games\XWA" -> PREFIX/drive_c/Games/XWA; other drives through the
// prefix's dosdevices links. Empty when the drive is unknown.
QString mapDrivePath(const QString& prefix, const QString& windowsPath) {
  if (windowsPath.size() < 2 || windowsPath[1] != QLatin1Char(':') || !windowsPath[0].isLetter())
    return {};
  const QChar drive = windowsPath[0].toLower();
  QString root;
  if (drive == QLatin1Char('c')) {
    root = joinPath(prefix, QStringLiteral("drive_c"));
  } else {
    root = joinPath(prefix, QStringLiteral("dosdevices/") + drive + QLatin1Char(':'));
    if (!QFileInfo::exists(root)) return {};
  }
  QString rest = windowsPath.mid(2);
  rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return resolveCaseInsensitive(joinPath(root, rest));
}

} // namespace

QString wineInstallPath(const QString& prefix) {
  QFile file(joinPath(prefix, QStringLiteral("system.reg")));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));

  // A 64-bit prefix keeps a 32-bit installer's entry under Wow6432Node;
  // the plain key wins when both exist.
  QString plain;
  QString wow;
  QString* target = nullptr;
  for (const QString& raw : lines) {
    const QString line = raw.trimmed();
    if (line.startsWith(QLatin1Char('['))) {
      const QString key = sectionName(line);
      target = nullptr;
      if (key.compare(kGameKey, Qt::CaseInsensitive) == 0) target = &plain;
      if (key.compare(kGameKey32, Qt::CaseInsensitive) == 0) target = &wow;
      continue;
    }
    if (!target || !target->isEmpty()) continue;
    *target = installPathValue(line);
  }
  const QString windowsPath = !plain.isEmpty() ? plain : wow;
  return windowsPath.isEmpty() ? QString() : mapDrivePath(prefix, windowsPath);
}

QString findGameFolder(const QString& preference) {
  // The designer's own choice wins over whatever the installer recorded.
  if (!preference.isEmpty()) return preference;
#ifdef Q_OS_WIN
  const QString key = QStringLiteral("HKEY_LOCAL_MACHINE\\") + kGameKey;
  const QString path = QSettings(key, QSettings::NativeFormat).value(kValueName).toString();
  if (!path.isEmpty()) return path;
  // The game's 32-bit installer writes to the registry's 32-bit view, which
  // a 64-bit build does not see through the native format.
  return QSettings(key, QSettings::Registry32Format).value(kValueName).toString();
#else
  QString prefix = qEnvironmentVariable("WINEPREFIX");
  if (prefix.isEmpty()) prefix = QDir::homePath() + QStringLiteral("/.wine");
  return wineInstallPath(prefix);
#endif
}

QString resolveCaseInsensitive(const QString& path) {
  QString p = path;
  p.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (p.isEmpty()) return p;
  p = QDir::cleanPath(p);

  QString resolved;
  QString rest = p;
  if (p.startsWith(QLatin1Char('/'))) {
    resolved = QStringLiteral("/");
    rest = p.mid(1);
  }
#ifdef Q_OS_WIN
  else if (p.size() >= 2 && p[1] == QLatin1Char(':')) {
    resolved = p.left(2) + QLatin1Char('/');
    rest = p.mid(2);
  }
#endif
  const QStringList parts = rest.split(QLatin1Char('/'), Qt::SkipEmptyParts);

  qsizetype i = 0;
  for (; i < parts.size(); ++i) {
    const QString& part = parts[i];
    const QString exact = joinPath(resolved, part);
    if (QFileInfo::exists(exact)) {
      resolved = exact;
      continue;
    }
    const QDir dir(resolved.isEmpty() ? QStringLiteral(".") : resolved);
    const QStringList entries = dir.entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    const auto match = std::find_if(entries.begin(), entries.end(), [&](const QString& e) {
      return e.compare(part, Qt::CaseInsensitive) == 0;
    });
    if (match == entries.end()) break;
    resolved = joinPath(resolved, *match);
  }
  // Once a folder is missing nothing below it can be looked up.
  for (; i < parts.size(); ++i)
    resolved = joinPath(resolved, parts[i]);
  return resolved;
}

} // namespace zephlo
