#include "browser/TfrmKestrelBrowser.h"

#include "browser/StartPage.h"
#include "browser/TKestrelWB.h"

TfrmKestrelBrowser::TfrmKestrelBrowser(QWidget *parent)
    : QMainWindow(parent), m_browser(new TKestrelWB(this))
{
    setWindowTitle(QStringLiteral("Kestrel Browser"));
    setCentralWidget(m_browser);
    m_browser->setHomepage(productStartPage());
    connect(m_browser, &TKestrelWB::TitleChange, this, [this](TKestrelWB *, const QString &title) {
        setWindowTitle(QStringLiteral("Kestrel Browser - [") + title + QStringLiteral("]"));
    });
    resize(1024, 768);
}
