#include "browser/engine/EngineWindow.h"

#include "browser/TKestrelWB.h"
#include "browser/engine/WebEngineControl.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>

EngineWindow::EngineWindow(const QRect &requestedGeometry)
    : m_view(new TKestrelWB(this)), m_address(new QLineEdit(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_address->setReadOnly(true);
    m_address->setObjectName(QStringLiteral("address"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_address);
    layout->addWidget(m_view);
    if (requestedGeometry.width() > 0 && requestedGeometry.height() > 0)
        setGeometry(requestedGeometry);
    else
        resize(800, 600);
    connect(m_view, &TKestrelWB::TitleChange, this,
            [this](TKestrelWB *, const QString &title) { setWindowTitle(title); });
    // The user sees where the page is: the top-level address, never a frame's.
    connect(m_view, &TKestrelWB::NavigateComplete2, this,
            [this](TKestrelWB *sender, BrowserFrame frame, const QString &address) {
                if (frame == sender->Application())
                    m_address->setText(address);
            });
    connect(m_view, &TKestrelWB::WindowClosing, this, &QWidget::close);
}

WebEngineControl *EngineWindow::control() const
{
    return static_cast<WebEngineControl *>(m_view->control());
}

void EngineWindow::freeAll()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        // Freed at once, as the main window frees its own views: no page is left running.
        if (auto *engineWindow = qobject_cast<EngineWindow *>(window))
            delete engineWindow;
    }
}
