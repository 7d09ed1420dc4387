// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeControls.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QtMath>

#include <algorithm>
#include <cstdint>

namespace {

// The style whose painting the kept captions follow, which the controls that
// keep them take whatever the desktop's style: a test of the style's name
// would leave them to chance.
QStyle *CaptionStyle()
{
    static QStyle *const style = QStyleFactory::create(QStringLiteral("Fusion"));
    return style;
}

// Whether Control draws its caption from a kept layout.
bool DrawsKeptCaption(const QWidget &Control)
{
    return !Without(sdCaptions) && Control.style() == CaptionStyle() &&
           Control.layoutDirection() == Qt::LeftToRight;
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

QAccessibleInterface *PaintBoxAccessible(const QString &, QObject *Object)
{
    if (auto *box = qobject_cast<TLumePaintBox *>(Object))
        return new TPaintBoxAccessible(box);
    return nullptr;
}

} // namespace

TLumeCaptionLayout::TLumeCaptionLayout(const QString &Text, const TLumeCaptionFont &Font,
                                       const QRect &Area, Qt::Alignment Flags)
    : LaidOutArea(Area), LaidOutFlags(Flags),
      PlainText(!Text.isRightToLeft() && !Text.contains(u'&') && !Text.contains(QChar(0x9c)))
{
    const QSizeF block = LayOutLines(Text, Font, Area.height());
    // A centred block starts on a whole pixel; each line is centred on its own.
    qreal blockX = 0;
    qreal blockY = 0;
    if (Flags & Qt::AlignBottom)
        blockY = Area.height() - block.height();
    else if (Flags & Qt::AlignVCenter)
        blockY = -qRound(-(Area.height() - block.height()) / 2);
    if (Flags & Qt::AlignRight)
        blockX = Area.width() - block.width();
    else if (Flags & Qt::AlignHCenter)
        blockX = qRound((Area.width() - block.width()) / 2);
    const QRectF bounds(QPointF(Area.x() + blockX, Area.y() + blockY), block);
    Overflows = !QRectF(Area).contains(bounds);
    // Glyphs may reach a little past their advance and line box; a whole
    // line height is far more than any glyph of the controls' font does.
    const int margin = Font.LineHeight;
    if (!Text.isEmpty())
        Ink = bounds.toAlignedRect().adjusted(-margin, -margin, margin, margin);

    for (int i = 0; !Text.isEmpty() && i < Layout.lineCount(); ++i) {
        const qreal advance = Layout.lineAt(i).horizontalAdvance();
        qreal x = 0;
        if (Flags & Qt::AlignRight)
            x = Area.width() - advance;
        else if (Flags & Qt::AlignHCenter)
            x = (Area.width() - advance) / 2;
        LineOrigins.emplace_back(Area.x() + x, Area.y() + blockY);
    }
}

// Lays out the lines as drawText takes plain text: a line feed breaks the
// line, a carriage return or a tab is a space, no line wraps, and lines stop
// once they fill Height. Returns the size of the block of lines.
QSizeF TLumeCaptionLayout::LayOutLines(const QString &Text, const TLumeCaptionFont &Font,
                                       int Height)
{
    QString shown = Text;
    for (QChar &c : shown) {
        if (c == u'\n')
            c = QChar::LineSeparator;
        else if (c == u'\r' || c == u'\t')
            c = u' ';
    }
    Layout.setText(shown);
    Layout.setFont(Font.Font);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    Layout.setTextOption(option);
    Layout.setCacheEnabled(true);

    qreal height = -Font.Leading;
    qreal width = 0;
    Layout.beginLayout();
    for (QTextLine line = Layout.createLine(); line.isValid(); line = Layout.createLine()) {
        line.setLineWidth(0x01000000);
        height = qCeil(height + Font.Leading);
        line.setPosition(QPointF(0, height));
        height += line.height();
        width = qMax(width, line.naturalTextWidth());
        if (height >= Height)
            break;
    }
    Layout.endLayout();
    return {width, height};
}

void TLumeCaptionLayout::Draw(QPainter &Painter, const QBrush &Brush) const
{
    if (LineOrigins.empty())
        return;
    const QPen kept = Painter.pen();
    Painter.setPen(QPen(Brush, kept.widthF()));
    if (Overflows) {
        Painter.save();
        Painter.setClipRect(QRectF(LaidOutArea), Qt::IntersectClip);
    }
    for (size_t i = 0; i < LineOrigins.size(); ++i)
        Layout.lineAt(int(i)).draw(&Painter, LineOrigins[i]);
    if (Overflows)
        Painter.restore();
    Painter.setPen(kept);
}

const TLumeCaptionLayout &TLumeCaptionCache::Get(const QWidget &Control, const QString &Text,
                                                 const QRect &Area, Qt::Alignment Flags)
{
    const auto found = Kept.find(Text);
    if (found != Kept.end() && found->second->Fits(Area, Flags))
        return *found->second;
    // The message label shows many captions once each: rather than keep them
    // all, the cache starts afresh when it holds this many.
    constexpr size_t MostKept = 128;
    if (Kept.size() >= MostKept)
        Kept.clear();
    if (!Resolved) {
        const QFont font(Control.font(), &Control);
        Resolved = {font, QFontMetricsF(font).leading(), QFontMetrics(font).height()};
    }
    std::unique_ptr<TLumeCaptionLayout> &layout = Kept[Text];
    layout = std::make_unique<TLumeCaptionLayout>(Text, *Resolved, Area, Flags);
    return *layout;
}

TLumePanel::TLumePanel(QWidget *Parent, const QColor &Colour) : QWidget(Parent)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Colour);
    setPalette(pal);
    setAutoFillBackground(true);
}

TLumeLabel::TLumeLabel(QWidget *Parent, const QRect &Bounds, Qt::Alignment HAlign,
                       const QFont &Font, const QColor &Colour, const TSjis &Caption)
    : QLabel(Parent)
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
    setStyle(CaptionStyle());
    SetFontColour(Colour);
    SetCaption(Caption);
}

void TLumeLabel::SetCaption(const TSjis &Caption)
{
    // The rolling dice write a caption on every tick; the same one again
    // would change nothing on screen.
    if (Caption == CaptionBytes)
        return;
    CaptionBytes = Caption;
    QString text = FromSjis(Caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(text);
}

void TLumeLabel::paintEvent(QPaintEvent *Event)
{
    // A transparent label is painted again wherever a control above or below
    // it changes: the message under the rolling dice, say. Where its caption
    // puts no ink there is nothing to draw.
    if (!Without(sdCaptions) && !Event->rect().contains(rect()) &&
        !Event->region().intersects(InkArea()))
        return;
    const TLumeCaptionLayout &layout = CaptionLayout();
    if (!DrawsCaptionItself() || !layout.Plain()) {
        QLabel::paintEvent(Event);
        return;
    }
    // QLabel would lay out and shape its text again on every paint.
    QPainter painter(this);
    layout.Draw(painter, palette().brush(foregroundRole()));
}

bool TLumeLabel::DrawsCaptionItself() const
{
    // The game's labels are enabled plain text without frame, margin, indent,
    // wrapping or selection; any other set-up keeps QLabel's own painting.
    return isEnabled() && frameWidth() == 0 && margin() == 0 && indent() <= 0 &&
           textFormat() == Qt::PlainText && !wordWrap() && !(alignment() & Qt::AlignJustify) &&
           !(textInteractionFlags() & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard)) &&
           DrawsKeptCaption(*this);
}

const TLumeCaptionLayout &TLumeLabel::CaptionLayout() const
{
    return Layouts.Get(*this, text(), contentsRect(), alignment());
}

QRect TLumeLabel::InkArea() const
{
    return CaptionLayout().InkArea();
}

void TLumeLabel::changeEvent(QEvent *Event)
{
    if (Event->type() == QEvent::FontChange)
        Layouts.Clear();
    QLabel::changeEvent(Event);
}

void TLumeLabel::SetFontColour(const QColor &Colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Colour);
    setPalette(pal);
}

QColor TLumeLabel::FontColour() const
{
    return palette().color(QPalette::WindowText);
}

TLumeShape::TLumeShape(QWidget *Parent, const QRect &Bounds, const QColor &PenColour)
    : QWidget(Parent), Pen(PenColour)
{
    setGeometry(Bounds);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TLumeShape::paintEvent(QPaintEvent *Event)
{
    // Only the frame's own pixels: a control changing inside it needs no frame drawn.
    const QRegion frame = QRegion(rect()).subtracted(rect().adjusted(1, 1, -1, -1));
    if (!Event->region().intersects(frame))
        return;
    QPainter painter(this);
    painter.setPen(Pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, width() - 1, height() - 1);
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
    static const bool accessible = (QAccessible::installFactory(PaintBoxAccessible), true);
    Q_UNUSED(accessible);
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
                         const TSjis &Caption, int ButtonTag)
    : QPushButton(Parent), Tag(ButtonTag)
{
    setGeometry(Bounds);
    setFixedSize(Bounds.size());
    setFont(Font);
    setStyle(CaptionStyle());
    SetCaption(Caption);
    // Checked as the click arrives, not when it began: a key press, an
    // accessibility action or an animated click may end after a game step
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

void TLumeButton::SetCaption(const TSjis &Caption)
{
    if (Caption == CaptionBytes)
        return;
    CaptionBytes = Caption;
    setText(FromSjis(Caption));
}

void TLumeButton::paintEvent(QPaintEvent *Event)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the bevel; the caption is drawn from the kept layout
    // where the style centres it. A focus frame is drawn over the caption
    // and an icon, a menu or a disabled button moves or greys it: those
    // keep QPushButton's own painting.
    if (!(option.state & QStyle::State_Enabled) || (option.state & QStyle::State_HasFocus) ||
        !option.icon.isNull() || (option.features & QStyleOptionButton::HasMenu) ||
        !DrawsKeptCaption(*this)) {
        QPushButton::paintEvent(Event);
        return;
    }
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const TLumeCaptionLayout &layout =
        Layouts.Get(*this, option.text, area, Qt::AlignHCenter | Qt::AlignVCenter);
    if (!layout.Plain()) {
        QPushButton::paintEvent(Event);
        return;
    }
    QStylePainter painter(this);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    layout.Draw(painter, option.palette.brush(QPalette::ButtonText));
}

void TLumeButton::changeEvent(QEvent *Event)
{
    if (Event->type() == QEvent::FontChange)
        Layouts.Clear();
    QPushButton::changeEvent(Event);
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
