#pragma once

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

// The program's help: German HTML topics built in under ":/help/", shown in
// a window of its own beside the main window.  Topics are addressed by
// context number (65536 + command id, 131072 + dialog number) through the
// map ":/help/topics.map"; an unknown number shows the contents.
class CHelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit CHelpViewer(QWidget* parent = nullptr);

    // Shows the topic of a help request: HELP_CONTEXT with a context number,
    // HELP_FINDER for the contents.
    void OpenTopic(quint32 data, quint32 command);

    static QUrl ContentsUrl();
    // Where a help request leads; the contents for HELP_FINDER, for any
    // other command and for a number without a topic.
    static QUrl TopicUrl(quint32 data, quint32 command);
    // Whether the map names a topic for this number.
    static bool HasTopic(quint32 context);

private:
    void createLayout();

    QTextBrowser* browser_ = nullptr;
    QPushButton* contents_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
};
