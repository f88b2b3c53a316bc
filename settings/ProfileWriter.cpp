#include "settings/ProfileWriter.h"

#include <QAbstractButton>
#include <QMessageBox>

void ProfileWriter::WriteInt(const ProfileKey& key, int value)
{
    if (!profile_.WriteProfileInt(key.section, key.name, value))
        failed_ = true;
}

void ProfileWriter::WriteString(const ProfileKey& key, std::string_view value)
{
    if (!profile_.WriteProfileString(key.section, key.name, value))
        failed_ = true;
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
    if (!failed_)
        return;
    Notify(parent, notice, profile_.FileName());
}

void ProfileWriter::Notify(QWidget* parent, const Notice& notice, const std::string& fileName)
{
    const QString text = FailureText(fileName);
    if (notice)
        notice(parent, text);
    else
        ShowWarning(parent, text);
}

QString ProfileWriter::FailureText(const std::string& fileName)
{
    if (fileName.empty())
        return QStringLiteral("Die Einstellungen konnten nicht gespeichert werden.");
    return QStringLiteral("Die Einstellungen konnten nicht gespeichert werden:\n%1")
        .arg(QString::fromStdString(fileName));
}

void ProfileWriter::ShowWarning(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Pilo"), text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}
