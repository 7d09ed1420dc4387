#include "LumeControls.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdint>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

#if defined(__x86_64__)
// Widens pixels four at a time with one byte shuffle; returns how many it
// widened. Each step reads 16 bytes but uses 12, so it stops where a read
// would pass the end of the row.
__attribute__((target("ssse3"))) int WidenBgrSsse3(const uchar *Source, uint32_t *Target, int Count)
{
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(int(0xff000000u));
    int x = 0;
    for (; x + 6 <= Count; x += 4) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i *>(Source + 3 * x));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(Target + x),
                         _mm_or_si128(_mm_shuffle_epi8(pixels, spread), opaque));
    }
    return x;
}
#endif

// Widens a row of 24-bit pixels (bytes blue, green, red) to opaque 0xffRRGGBB
// words. A title frame is 200 000 pixels every 51 ms: the shuffle copies it
// in about a third of the time a pixel-by-pixel loop takes.
void WidenBgrRow(const uchar *Source, uint32_t *Target, int Count)
{
    int x = 0;
#if defined(__x86_64__)
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    if (ssse3)
        x = WidenBgrSsse3(Source, Target, Count);
#endif
    for (const uchar *pixel = Source + 3 * x; x < Count; ++x, pixel += 3)
        Target[x] = 0xff000000u | uint32_t(pixel[2]) << 16 | uint32_t(pixel[1]) << 8 | pixel[0];
}

} // namespace

QFont LumeFont(int PixelHeight, bool Bold, bool Italic)
{
    QFont font;
    font.setFamilies({QString::fromUtf8("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                      QStringLiteral("IPAPGothic")});
    font.setPixelSize(PixelHeight);
    font.setBold(Bold);
    font.setItalic(Italic);
    return font;
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
    setGeometry(Bounds);
    setFont(Font);
    setAlignment(HAlign | Qt::AlignTop);
    setWordWrap(false);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setTextFormat(Qt::PlainText);
    SetFontColour(Colour);
    SetCaption(Caption);
}

void TLumeLabel::SetCaption(const TSjis &Caption)
{
    CaptionBytes = Caption;
    QString text = FromSjis(Caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    CachedInkArea = QRect();
    setText(text);
}

void TLumeLabel::paintEvent(QPaintEvent *Event)
{
    // A transparent label is painted again wherever a control above or below
    // it changes: the message under the rolling dice, say. Where its caption
    // puts no ink there is nothing to draw, and laying out its text again
    // would cost more than the change itself.
    if (!Event->rect().contains(rect()) && !Event->region().intersects(InkArea()))
        return;
    QLabel::paintEvent(Event);
}

QRect TLumeLabel::InkArea() const
{
    if (CachedInkArea.isNull()) {
        // Glyphs may reach a little past their advance and line box; a whole
        // line height is far more than any glyph of the controls' font does.
        const int margin = fontMetrics().height();
        CachedInkArea = fontMetrics()
                            .boundingRect(contentsRect(), int(alignment()), text())
                            .adjusted(-margin, -margin, margin, margin);
    }
    return CachedInkArea;
}

void TLumeLabel::changeEvent(QEvent *Event)
{
    if (Event->type() == QEvent::FontChange)
        CachedInkArea = QRect();
    QLabel::changeEvent(Event);
}

void TLumeLabel::resizeEvent(QResizeEvent *Event)
{
    CachedInkArea = QRect();
    QLabel::resizeEvent(Event);
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
}

void TLumePaintBox::CopyFrom(const QImage &Image, int X, int Y)
{
    ShownSource = 0;
    CopyArea(Image, X, Y, QRect(QPoint(X, Y), Image.size()));
}

void TLumePaintBox::CopyChanged(const QImage &Image, const QRegion *Changed, uint64_t Source)
{
    const bool same = Changed && Source != 0 && Source == ShownSource && Shown.size() == size();
    CopyArea(Image, 0, 0, same ? *Changed : QRegion(Image.rect()));
    ShownSource = Source;
}

void TLumePaintBox::CopyArea(const QImage &Image, int X, int Y, const QRegion &Area)
{
    // Made once: every later copy writes into the same pixels.
    if (Shown.size() != size())
        Shown = QImage(size(), QImage::Format_RGB32);
    const QRegion target = Area.intersected(QRect(QPoint(X, Y), Image.size()) & Shown.rect());
    if (target.isEmpty())
        return;
    if (Image.format() == QImage::Format_BGR888) {
        // Read through constScanLine, so the source's pixels stay unshared and
        // its next drawing does not copy them first.
        uchar *const shown = Shown.bits();
        for (const QRect &part : target)
            for (int y = part.top(); y <= part.bottom(); ++y)
                WidenBgrRow(Image.constScanLine(y - Y) + 3 * (part.left() - X),
                            reinterpret_cast<uint32_t *>(shown + y * Shown.bytesPerLine()) +
                                part.left(),
                            part.width());
    } else {
        QPainter painter(&Shown);
        painter.setClipRegion(target);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(X, Y, Image);
    }
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
    constexpr int Stripe = 32;
    for (const QRect &part : Event->region())
        for (int top = part.top(); top <= part.bottom(); top += Stripe) {
            const QRect stripe(part.left(), top, part.width(),
                               std::min(Stripe, part.bottom() + 1 - top));
            painter.drawImage(stripe, Shown, stripe);
        }
}

void TLumePaintBox::mouseReleaseEvent(QMouseEvent *Event)
{
    if (Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint()))
        emit Clicked();
}

TLumeButton::TLumeButton(QWidget *Parent, const QRect &Bounds, const QFont &Font,
                         const TSjis &Caption, int ButtonTag)
    : QPushButton(Parent), Tag(ButtonTag)
{
    setGeometry(Bounds);
    setFont(Font);
    SetCaption(Caption);
}

void TLumeButton::SetCaption(const TSjis &Caption)
{
    CaptionBytes = Caption;
    setText(FromSjis(Caption));
}
