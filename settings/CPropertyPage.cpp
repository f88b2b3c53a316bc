#include "settings/CPropertyPage.h"

#include "settings/CWinApp.h"

CPropertyPage::CPropertyPage(CWinApp& app, int dialogId, const QString& title, QWidget* parent)
    : QWidget(parent)
    , app_(app)
    , dialogId_(dialogId)
    , title_(title)
{
}

void CPropertyPage::WinHelp(quint32, quint32)
{
    app_.WinHelp(131072 + quint32(dialogId_), CWinApp::HELP_CONTEXT);
}

void CPropertyPage::showEvent(QShowEvent* event)
{
    if (!initialised_) {
        initialised_ = true;
        OnInitDialog();
    }
    QWidget::showEvent(event);
}
