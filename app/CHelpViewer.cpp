#include "app/CHelpViewer.h"

#include "settings/CWinApp.h"
#include "app/ProgramIcon.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHash>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextStream>
#include <QVBoxLayout>

namespace {

// One line per topic: "<context number> <page>[#<anchor>]"; "#" at the start
// of a line begins a comment.
QHash<quint32, QString> ReadTopicMap()
{
    QHash<quint32, QString> topics;
    QFile file(QStringLiteral(":/help/topics.map"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return topics;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        bool ok = false;
        const quint32 context = fields.value(0).toUInt(&ok);
        if (ok && fields.size() == 2)
            topics.insert(context, fields[1]);
    }
    return topics;
}

const QHash<quint32, QString>& TopicMap()
{
    static const QHash<quint32, QString> topics = ReadTopicMap();
    return topics;
}

} // namespace

CHelpViewer::CHelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("helpViewer"));
    setWindowTitle(QStringLiteral("Pilo – Hilfe"));
    setWindowIcon(ProgramIcon());
    createLayout();
    resize(640, 560);
}

void CHelpViewer::createLayout()
{
    contents_ = new QPushButton(QStringLiteral("&Inhalt"), this);
    contents_->setObjectName(QStringLiteral("contentsButton"));
    back_ = new QPushButton(QStringLiteral("&Zurück"), this);
    back_->setObjectName(QStringLiteral("backButton"));
    back_->setEnabled(false);
    forward_ = new QPushButton(QStringLiteral("&Vorwärts"), this);
    forward_->setObjectName(QStringLiteral("forwardButton"));
    forward_->setEnabled(false);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpText"));
    browser_->setAccessibleName(QStringLiteral("Hilfetext"));
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({ QStringLiteral(":/help") });

    // A separate window, so Escape closes it as it closes every dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    connect(contents_, &QPushButton::clicked, this, [this] { browser_->setSource(ContentsUrl()); });
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents_);
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
}

QUrl CHelpViewer::ContentsUrl()
{
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

bool CHelpViewer::HasTopic(quint32 context)
{
    return TopicMap().contains(context);
}

QUrl CHelpViewer::TopicUrl(quint32 data, quint32 command)
{
    if (command != CWinApp::HELP_CONTEXT || !HasTopic(data))
        return ContentsUrl();
    return QUrl(QStringLiteral("qrc:/help/") + TopicMap().value(data));
}

void CHelpViewer::OpenTopic(quint32 data, quint32 command)
{
    browser_->setSource(TopicUrl(data, command));
}
