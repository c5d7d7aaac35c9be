#pragma once

#include <QFrame>
#include <QPixmap>
#include <QPoint>

class Prompter;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class TPostNoteDlg;

// A note stuck on a page: a small panel over the browser view showing the note icon, which a
// double-click on the icon opens to show the subject and the message, and closes again. The
// icon drags the note within the view. The note, its icon, label and message box share one
// context menu: "&Edit", "&Delete" and "&Show Scroll Bar" / "&Hide Scroll Bar".
class TWebPostNote : public QFrame
{
    Q_OBJECT
public:
    static constexpr int ClosedSize = 33;
    static constexpr int OpenSize = 160;

    // A closed note, a child of view. Edit and Delete use the note dialog and the prompter.
    TWebPostNote(QWidget *view, TPostNoteDlg &dialog, Prompter &prompter);

    QString Subject() const;
    void setSubject(const QString &subject);
    QString TextMessage() const;
    void setTextMessage(const QString &message);
    void setPicture(const QPixmap &picture);

    bool isOpen() const { return width() > ClosedSize; }
    bool hasScrollBar() const;

    // A double-click on the icon: opens a closed note, closes an open one.
    void ImageDblClick();
    // Dragging by the icon, in the icon's coordinates.
    void ImageMouseDown(const QPoint &point);
    void ImageMouseMove(const QPoint &point, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

    QMenu *PopupMenu() const { return m_menu; }
    // Names the scroll bar entry after the message box's state; runs as the menu opens.
    void PopupMenuPopup();
    void Edit1Click();
    void Delete1Click();
    void ShowScrollBar1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Whether a drag step to next is taken on an axis whose current place is current and whose
    // places run from 0 to below limit. A note lying beyond the limit may come back inward.
    static bool takesStep(int current, int next, int limit);

    TPostNoteDlg &m_dialog;
    Prompter &m_prompter;
    QLabel *m_image;
    QLabel *m_subject;
    QPlainTextEdit *m_message;
    QMenu *m_menu;
    QAction *m_scrollBarEntry;
    QPoint m_press;
};
