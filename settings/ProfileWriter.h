#pragma once

#include "settings/Profile.h"

#include <QString>

#include <functional>
#include <string>
#include <string_view>

class QWidget;

// Writes the values a confirmed dialog stores and remembers whether any of
// them failed, so the dialog can tell the parent once instead of letting
// them believe the settings were saved.  Every write is still attempted
// after a failure: whatever can be stored is stored.
class ProfileWriter {
public:
    // Shows the failure message; tests replace it so nothing blocks.
    using Notice = std::function<void(QWidget* parent, const QString& text)>;

    explicit ProfileWriter(Profile& profile)
        : profile_(profile)
    {
    }

    void WriteInt(const ProfileKey& key, int value);
    void WriteString(const ProfileKey& key, std::string_view value);
    void WriteString(const ProfileKey& key, const QString& value);
    // Entry number of a numbered list.
    void WriteString(const NumberedKeys& list, int number, const QString& value);

    bool Failed() const { return failed_; }

    // Tells the parent once, if any write failed.
    void ReportFailure(QWidget* parent, const Notice& notice) const;

    // Shows the failure message for the profile's file and its last failed
    // write through the notice, or through the real warning box when there
    // is none.
    static void Notify(QWidget* parent, const Notice& notice, const Profile& profile);
    // The file's name, then why it could not be written (errno), in words
    // a parent understands; no reason when code is 0.
    static QString FailureText(const std::string& fileName, int code = 0);
    static QString ReasonText(int code);
    // The real notice: a warning box titled "Pilo" with an OK button.
    static void ShowWarning(QWidget* parent, const QString& text);

private:
    static void Show(QWidget* parent, const Notice& notice, const QString& text);

    Profile& profile_;
    bool failed_ = false;
    int code_ = 0;
};
