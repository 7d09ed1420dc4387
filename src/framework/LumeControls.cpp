// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeControls.h"

#include "LumeFont.h"
#include "LumeSpeed.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QtMath>

#include <algorithm>
#include <cstdint>

namespace {

// The style the controls are drawn in, whatever the desktop's style, so the
// window looks the same everywhere.
QStyle *ControlStyle()
{
    static QStyle *const style = QStyleFactory::create(QStringLiteral("Fusion"));
    return style;
}

// Whether Key presses a control: Enter, the keypad's Enter, or Space.
bool IsPressKey(const QKeyEvent &Key)
{
    return Key.key() == Qt::Key_Return || Key.key() == Qt::Key_Enter || Key.key() == Qt::Key_Space;
}

// The style draws the focus frame only in a window that the keyboard has
// moved about in: a player on the keys sees where they are, a player on the
// mouse sees the controls as they always were.
void ShowFocusFrames(QWidget &Control, bool Shown)
{
    QWidget *window = Control.window();
    if (window->testAttribute(Qt::WA_KeyboardFocusChange) == Shown)
        return;
    window->setAttribute(Qt::WA_KeyboardFocusChange, Shown);
    if (QWidget *focused = window->focusWidget())
        focused->update();
}

// Widens 24-bit pixels (bytes blue, green, red) to opaque 0xffRRGGBB words.
// Half the time Qt's conversion of the same parts takes, a third of a
// painter's drawing of them; read through constScanLine, the surface's pixels
// stay unshared and its next drawing does not copy them first.
void WidenRow(const uchar *Source, uint32_t *Target, int Count)
{
    for (int x = 0; x < Count; ++x, Source += 3)
        Target[x] = 0xff000000u | uint32_t(Source[2]) << 16 | uint32_t(Source[1]) << 8 | Source[0];
}

// A caption's font and where its lines start: how far below the control's
// top, or above it where negative.
struct TCaptionFit {
    QFont Font;
    int Lift = 0;
};

// Font, or the largest smaller size of it in which Text, laid out with
// Flags, shows whole in Room: a caption longer than the layout foresaw is
// drawn smaller rather than cut. Where a letter's ink reaches past its
// advance, as a bold one's may, the ink counts. Lift(font) says how far the
// lines start below Room's top. A line raised above it (a face whose line is
// taller than the layout's) is raised no further than its ink allows, and
// then its ink, not its line, must fit. Font is sized in pixels, as LumeFont makes it.
template <typename TLift>
TCaptionFit FitCaption(const QFont &Font, const QSize &Room, int Flags, const QString &Text,
                       TLift Lift)
{
    const QStringList lines = Text.split(u'\n');
    QFont font = Font;
    for (;;) {
        const QFontMetrics metrics(font);
        QSize size = metrics.size(Flags, Text);
        for (const QString &line : lines)
            size.setWidth(std::max(size.width(), metrics.boundingRect(line).right() + 1));
        int lift = Lift(font);
        int bottom = lift + size.height();
        if (lift < 0) {
            lift =
                std::max(lift, -metrics.ascent() - metrics.tightBoundingRect(lines.front()).top());
            bottom = lift + int(lines.size() - 1) * metrics.lineSpacing() + metrics.ascent() +
                     metrics.tightBoundingRect(lines.back()).bottom() + 1;
        }
        if ((size.width() <= Room.width() && bottom <= Room.height()) || font.pixelSize() <= 1)
            return {font, lift};
        font.setPixelSize(font.pixelSize() - 1);
    }
}

// An ideographic em box stands 0.88 em above the baseline and 0.12 em below
// it (OpenType's default), so its middle is 0.38 em above the baseline.
constexpr qreal EmMiddle = 0.38;

// A paint box offers its click as the accessible Press action, so that a
// screen reader's user, or anything driving the accessibility interface, can
// do what a click does.
class TPaintBoxAccessible : public QAccessibleWidget {
public:
    explicit TPaintBoxAccessible(TLumePaintBox *Box) : QAccessibleWidget(Box, QAccessible::Graphic)
    {
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &Name) override
    {
        auto *box = static_cast<TLumePaintBox *>(widget());
        if (Name == pressAction() && box->isEnabled() && box->isVisibleTo(box->window()))
            emit box->Clicked();
    }
};

QAccessibleInterface *ControlAccessible(const QString &, QObject *Object)
{
    if (auto *box = qobject_cast<TLumePaintBox *>(Object))
        return new TPaintBoxAccessible(box);
    // A frame is only drawn: to a screen reader a plain widget, not the
    // window frame that Qt makes of a QFrame.
    if (auto *shape = qobject_cast<TLumeShape *>(Object))
        return new QAccessibleWidget(shape);
    return nullptr;
}

void InstallControlAccessible()
{
    static const bool installed = (QAccessible::installFactory(ControlAccessible), true);
    Q_UNUSED(installed);
}

} // namespace

TLumePanel::TLumePanel(QWidget *Parent, const QColor &Colour) : QWidget(Parent)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Colour);
    setPalette(pal);
    setAutoFillBackground(true);
}

TLumeLabel::TLumeLabel(QWidget *Parent, const QRect &Bounds, Qt::Alignment HAlign,
                       const QFont &Font, const QColor &Colour, const QString &Caption)
    : QLabel(Parent), LayoutFont(Font),
      InLayoutFace(Font.families() == LayoutFaceOf(Font).families())
{
    // Fixed, so that a new caption does not ask the page for a new layout.
    setGeometry(Bounds);
    setFixedSize(Bounds.size());
    setFont(Font);
    setAlignment(HAlign | Qt::AlignTop);
    setWordWrap(false);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setTextFormat(Qt::PlainText);
    setStyle(ControlStyle());
    SetFontColour(Colour);
    SetCaption(Caption);
}

void TLumeLabel::SetCaption(const QString &Caption)
{
    // The rolling dice write a caption on every tick; the same one again
    // changes nothing on screen, and QLabel would lay it out anew.
    if (Caption == CaptionText)
        return;
    CaptionText = Caption;
    QString text = Caption;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const TCaptionFit fit = FitCaption(LayoutFont, size(), int(alignment()), text,
                                       [this](const QFont &Shown) { return LiftFor(Shown); });
    if (fit.Font != font())
        setFont(fit.Font);
    if (fit.Lift != Lift) {
        Lift = fit.Lift;
        update();
    }
    setText(text);
}

void TLumeLabel::paintEvent(QPaintEvent *Event)
{
    // QLabel keeps its contents from reaching above it, and reads a plain
    // caption's direction from its first letter: a caption moved up or down,
    // or in a language written right to left, is drawn here as QLabel draws
    // plain text, in the caption's rectangle and the label's direction, so
    // that an Arabic line opening on a number or a Latin name reads right.
    if (Lift == 0 && !isRightToLeft()) {
        QLabel::paintEvent(Event);
        return;
    }
    QPainter painter(this);
    const Qt::LayoutDirection direction = layoutDirection();
    const int flags =
        int(QStyle::visualAlignment(direction, alignment())) |
        (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
    style()->drawItemText(&painter, CaptionRect(), flags, palette(), isEnabled(), text(),
                          foregroundRole());
}

int TLumeLabel::LiftFor(const QFont &Shown)
{
    if (InLayoutFace && Shown == LayoutFont)
        return 0;
    if (LayoutAscent < 0)
        LayoutAscent = QFontMetrics(LayoutFaceOf(LayoutFont)).ascent();
    return LayoutAscent - QFontMetrics(Shown).ascent() -
           qRound(EmMiddle * (LayoutFont.pixelSize() - Shown.pixelSize()));
}

void TLumeLabel::SetFontColour(const QColor &Colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Colour);
    setPalette(pal);
}

TLumeShape::TLumeShape(QWidget *Parent, const QRect &Bounds, const QColor &Pen) : QFrame(Parent)
{
    setGeometry(Bounds);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A plain box draws its line in the palette's window text colour.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setStyle(ControlStyle());
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Pen);
    setPalette(pal);
    InstallControlAccessible();
}

TLumeImage::TLumeImage(QWidget *Parent) : QWidget(Parent) {}

void TLumeImage::paintEvent(QPaintEvent *)
{
    if (Picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, Picture);
}

TLumePaintBox::TLumePaintBox(QWidget *Parent) : QWidget(Parent)
{
    // Once something was copied the box paints every pixel itself, so the
    // page behind it need not be filled first on each of the title's frames.
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallControlAccessible();
}

void TLumePaintBox::Show(const QImage &Picture, const QRegion &Changed, const void *Source)
{
    Q_ASSERT(Picture.format() == QImage::Format_BGR888);
    QRegion target = Source == ShownSource ? Changed : QRegion(Picture.rect());
    ShownSource = Source;
    // Made once: every later copy writes into the same pixels.
    if (Shown.size() != size()) {
        Shown = QImage(size(), QImage::Format_RGB32);
        target = Picture.rect();
    }
    target &= Picture.rect() & Shown.rect();
    if (target.isEmpty())
        return;
    for (const QRect &part : target)
        for (int y = part.top(); y <= part.bottom(); ++y)
            WidenRow(Picture.constScanLine(y) + 3 * part.left(),
                     reinterpret_cast<uint32_t *>(Shown.scanLine(y)) + part.left(), part.width());
    update(target);
}

void TLumePaintBox::paintEvent(QPaintEvent *Event)
{
    QPainter painter(this);
    if (Shown.isNull()) {
        // Nothing copied yet: show the page behind, as a transparent box would.
        painter.fillRect(Event->rect(),
                         parentWidget() ? parentWidget()->palette().window() : palette().window());
        return;
    }
    // Part by part: the parts a title frame changes span the whole box. Qt
    // hands a blit of many rows to its thread pool, and waking those threads
    // costs more than the copy: a few rows at a time stay on this thread.
    const int stripe = Without(sdStripes) ? Shown.height() : 32;
    for (const QRect &part : Event->region())
        for (int top = part.top(); top <= part.bottom(); top += stripe) {
            const QRect rows(part.left(), top, part.width(),
                             std::min(stripe, part.bottom() + 1 - top));
            painter.drawImage(rows, Shown, rows);
        }
    NoteFramePainted();
}

void TLumePaintBox::mouseReleaseEvent(QMouseEvent *Event)
{
    if (Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint()))
        emit Clicked();
}

void TLumePaintBox::keyPressEvent(QKeyEvent *Event)
{
    if (!IsPressKey(*Event)) {
        QWidget::keyPressEvent(Event);
        return;
    }
    // A key held down repeats; one press is one click.
    if (!Event->isAutoRepeat()) {
        ShowFocusFrames(*this, true);
        emit Clicked();
    }
}

TLumeButton::TLumeButton(QWidget *Parent, const QRect &Bounds, const QFont &Font,
                         const QString &Caption, int ButtonTag)
    : QPushButton(Parent), Tag(ButtonTag), LayoutFont(Font)
{
    setGeometry(Bounds);
    setFixedSize(Bounds.size());
    setFont(Font);
    setStyle(ControlStyle());
    SetCaption(Caption);
    // Checked as the click arrives, not when it began: a key press, an
    // accessibility action or an animated click may end after a program's step
    // has hidden the button.
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (Live())
            emit Chosen();
    });
}

bool TLumeButton::Live() const
{
    return isEnabled() && isVisibleTo(window());
}

bool TLumeButton::event(QEvent *Event)
{
    // Qt hands the focus of a hidden control on to the next one that can
    // take it; where none can, the focus would stay on the hidden button and
    // the next Space would press it.
    if (Event->type() == QEvent::HideToParent && window()->focusWidget() == this)
        clearFocus();
    return QPushButton::event(Event);
}

void TLumeButton::keyPressEvent(QKeyEvent *Event)
{
    const int key = Event->key();
    if (IsPressKey(*Event) || key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
        key == Qt::Key_Down)
        ShowFocusFrames(*this, true);
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // As Space, but on the press: a plain button takes Enter only as a
        // dialog's default button.
        if (!Event->isAutoRepeat())
            click();
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusNextPrevChild(false);
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNextPrevChild(true);
        return;
    default:
        QPushButton::keyPressEvent(Event);
    }
}

void TLumeButton::mousePressEvent(QMouseEvent *Event)
{
    ShowFocusFrames(*this, false);
    QPushButton::mousePressEvent(Event);
}

void TLumeButton::SetCaption(const QString &Caption)
{
    if (Caption == text())
        return;
    // The style centres the caption in the button's contents.
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = Caption;
    const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    // The style centres the caption's line whatever its face.
    const QFont fitting =
        FitCaption(LayoutFont, room.size(), Qt::AlignCenter | Qt::TextShowMnemonic, Caption,
                   [](const QFont &) { return 0; })
            .Font;
    if (fitting != font())
        setFont(fitting);
    setText(Caption);
}

void CopyToPaintBox(TLumeBitmap &Surface, TLumePaintBox &Box)
{
    Box.Show(std::as_const(Surface).Picture(), Surface.TakeChanges(&Box), &Surface);
}

void CopyToImage(const TLumeBitmap &Surface, TLumeImage &Target)
{
    if (Target.Picture.isNull()) {
        Target.Picture = QImage(Target.size(), QImage::Format_RGB32);
        Target.Picture.fill(Qt::white);
    }
    if (Target.Picture.isNull() || Surface.Picture().isNull())
        return;
    QPainter painter(&Target.Picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, Surface.Picture());
    painter.end();
    Target.update();
}
