#pragma once

#include <QString>
#include <functional>

class QUrl;
class QWidget;

// Shows a page (an address or a file path) in the modal HTML dialog window and returns when
// the window is closed. A width or height above 0 sets the dialog's client size in that
// direction. Links followed in the dialog are opened by openInActiveBrowser instead.
void ShowHtmlDialog(const QString &address, int width, int height,
                    const std::function<void(const QString &address)> &openInActiveBrowser,
                    QWidget *parent = nullptr);

// Shows HTML held in memory the same way, as a page of origin's web origin: a sponsor answer
// never gets a file: origin and cannot read local files or the program's resources.
void ShowHtmlDialog(const QString &html, const QUrl &origin, int width, int height,
                    const std::function<void(const QString &address)> &openInActiveBrowser,
                    QWidget *parent = nullptr);

// ShowHtmlDialog with the main window's link handling bound, as windows that show help take it.
using ShowHtmlDialogFunction = std::function<void(const QString &address, int width, int height)>;
