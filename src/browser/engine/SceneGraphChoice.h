#pragma once

#include <QString>

// Qt Quick draws the engine's views. Where the window system offers only a software GL
// rasterizer (no GPU: virtual machines, remote desktops, virtual X servers), every repaint of the
// main window, down to a frame of the busy animation, would be composed through that rasterizer,
// which costs more than drawing in software outright: there the views use Qt Quick's software
// renderer instead.
namespace SceneGraphChoice {

// True for the renderer names of software GL rasterizers.
bool isSoftwareRenderer(const QString &glRenderer);

// Makes the choice; call it once the application object exists and before any view is made.
// A renderer chosen through QT_QUICK_BACKEND or QSG_RHI_BACKEND, and platforms without GL
// windows (offscreen), are left as they are.
void apply();

}
