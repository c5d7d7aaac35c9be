#include "browser/engine/EngineWindow.h"

#include "browser/TKestrelWB.h"
#include "browser/engine/WebEngineControl.h"

#include <QVBoxLayout>

EngineWindow::EngineWindow(const QRect &requestedGeometry) : m_view(new TKestrelWB(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    if (requestedGeometry.width() > 0 && requestedGeometry.height() > 0)
        setGeometry(requestedGeometry);
    else
        resize(800, 600);
    connect(m_view, &TKestrelWB::TitleChange, this,
            [this](TKestrelWB *, const QString &title) { setWindowTitle(title); });
    connect(m_view, &TKestrelWB::WindowClosing, this, &QWidget::close);
}

WebEngineControl *EngineWindow::control() const
{
    return static_cast<WebEngineControl *>(m_view->control());
}
