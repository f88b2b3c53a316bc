#include "settings/ProfileWriter.h"

#include "feedback/CDialog.h"

#include <cerrno>

void ProfileWriter::WriteInt(const ProfileKey& key, int value)
{
    if (!profile_.WriteProfileInt(key.section, key.name, value)) {
        failed_ = true;
        code_ = profile_.LastWriteErrno();
    }
}

void ProfileWriter::WriteString(const ProfileKey& key, std::string_view value)
{
    if (!profile_.WriteProfileString(key.section, key.name, value)) {
        failed_ = true;
        code_ = profile_.LastWriteErrno();
    }
}

void ProfileWriter::WriteString(const ProfileKey& key, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    WriteString(key, std::string_view(utf8.constData(), size_t(utf8.size())));
}

void ProfileWriter::WriteString(const NumberedKeys& list, int number, const QString& value)
{
    const std::string name = list.NameOf(number);
    WriteString(ProfileKey { list.section, name }, value);
}

void ProfileWriter::ReportFailure(QWidget* parent, const Notice& notice) const
{
    if (failed_)
        Show(parent, notice, FailureText(profile_.FileName(), code_));
}

void ProfileWriter::Notify(QWidget* parent, const Notice& notice, const Profile& profile)
{
    Show(parent, notice, FailureText(profile.FileName(), profile.LastWriteErrno()));
}

void ProfileWriter::Show(QWidget* parent, const Notice& notice, const QString& text)
{
    if (notice)
        notice(parent, text);
    else
        ShowWarning(parent, text);
}

QString ProfileWriter::FailureText(const std::string& fileName, int code)
{
    QString text = QStringLiteral("Die Einstellungen konnten nicht gespeichert werden");
    text += fileName.empty() ? QStringLiteral(".")
                             : QStringLiteral(":\n") + QString::fromStdString(fileName);
    if (code != 0)
        text += QStringLiteral("\n\n") + ReasonText(code);
    return text;
}

QString ProfileWriter::ReasonText(int code)
{
    switch (code) {
    case EACCES:
    case EPERM:
        return QStringLiteral("Die Datei oder ihr Ordner ist schreibgeschützt.");
    case EROFS:
        return QStringLiteral("Das Laufwerk ist schreibgeschützt.");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Der Datenträger ist voll.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Der Ordner für die Datei fehlt.");
    case EISDIR:
        return QStringLiteral("An der Stelle der Datei steht ein Ordner.");
    case EINVAL:
        return QStringLiteral("An der Stelle der Datei steht keine gewöhnliche Datei.");
    case EFBIG:
        return QStringLiteral("Die Datei ist zu groß.");
    case EIO:
        return QStringLiteral("Der Datenträger meldet einen Fehler.");
    default:
        return QStringLiteral("Der Grund ist unbekannt (Fehler %1).").arg(code);
    }
}

void ProfileWriter::ShowWarning(QWidget* parent, const QString& text)
{
    ShowWarningBox(parent, text);
}
