#include "browser/engine/SceneGraphChoice.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>

namespace SceneGraphChoice {

bool isSoftwareRenderer(const QString &glRenderer)
{
    const QString name = glRenderer.toLower();
    return name.contains(QLatin1String("llvmpipe")) || name.contains(QLatin1String("softpipe"))
        || name.contains(QLatin1String("software rasterizer")) || name.contains(QLatin1String("swrast"));
}

namespace {
// The name of the GL renderer the window system gives, or empty when it gives none.
QString glRenderer()
{
    QOpenGLContext context;
    if (!context.create())
        return {};
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return {};
    const auto *name = reinterpret_cast<const char *>(context.functions()->glGetString(GL_RENDERER));
    const QString renderer = name ? QString::fromLatin1(name) : QString();
    context.doneCurrent();
    return renderer;
}
}

void apply()
{
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QSG_RHI_BACKEND"))
        return;
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && !platform.startsWith(QLatin1String("wayland")))
        return;
    const QString renderer = glRenderer();
    if (renderer.isEmpty() || isSoftwareRenderer(renderer))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

}
