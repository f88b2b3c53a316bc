#include "GifWriter.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace {

constexpr int kMaxColours = 256;
constexpr int kMaxCode = 4095;

struct Colour {
    QRgb rgb;
    qint64 count;
};

int channel(QRgb rgb, int axis)
{
    return axis == 0 ? qRed(rgb) : axis == 1 ? qGreen(rgb) : qBlue(rgb);
}

struct Box {
    std::vector<Colour> colours;

    int range(int axis) const
    {
        int lo = 255;
        int hi = 0;
        for (const Colour& c : colours) {
            lo = std::min(lo, channel(c.rgb, axis));
            hi = std::max(hi, channel(c.rgb, axis));
        }
        return hi - lo;
    }
    int longestAxis() const
    {
        int best = 0;
        for (int axis = 1; axis < 3; ++axis)
            if (range(axis) > range(best))
                best = axis;
        return best;
    }
    qint64 weight() const
    {
        qint64 sum = 0;
        for (const Colour& c : colours)
            sum += c.count;
        return sum;
    }
    QRgb average() const
    {
        double r = 0, g = 0, b = 0;
        const double total = double(weight());
        for (const Colour& c : colours) {
            r += qRed(c.rgb) * double(c.count);
            g += qGreen(c.rgb) * double(c.count);
            b += qBlue(c.rgb) * double(c.count);
        }
        return qRgb(int(r / total + 0.5), int(g / total + 0.5), int(b / total + 0.5));
    }
};

// Splits at the weighted median of the longest axis, so the big flat areas
// of a cartoon keep a palette entry close to their own colour.
std::pair<Box, Box> split(Box box)
{
    const int axis = box.longestAxis();
    std::sort(box.colours.begin(), box.colours.end(), [axis](const Colour& a, const Colour& b) {
        return channel(a.rgb, axis) < channel(b.rgb, axis);
    });
    const qint64 half = box.weight() / 2;
    qint64 running = 0;
    size_t cut = 1;
    for (; cut < box.colours.size(); ++cut) {
        running += box.colours[cut - 1].count;
        if (running >= half)
            break;
    }
    cut = std::clamp<size_t>(cut, 1, box.colours.size() - 1);
    Box low { { box.colours.begin(), box.colours.begin() + long(cut) } };
    Box high { { box.colours.begin() + long(cut), box.colours.end() } };
    return { low, high };
}

std::vector<QRgb> medianCut(std::vector<Colour> colours)
{
    std::vector<Box> boxes { Box { std::move(colours) } };
    while (boxes.size() < kMaxColours) {
        auto score = [](const Box& b) {
            return b.colours.size() < 2 ? -1.0 : double(b.weight()) * b.range(b.longestAxis());
        };
        auto it = std::max_element(boxes.begin(), boxes.end(),
            [&](const Box& a, const Box& b) { return score(a) < score(b); });
        if (score(*it) <= 0)
            break;
        auto [low, high] = split(std::move(*it));
        *it = std::move(low);
        boxes.push_back(std::move(high));
    }
    std::vector<QRgb> palette;
    for (const Box& b : boxes)
        palette.push_back(b.average());
    return palette;
}

int nearest(const std::vector<QRgb>& palette, QRgb rgb)
{
    int best = 0;
    int bestDistance = INT32_MAX;
    for (size_t i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(rgb);
        const int dg = qGreen(palette[i]) - qGreen(rgb);
        const int db = qBlue(palette[i]) - qBlue(rgb);
        const int distance = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = int(i);
        }
    }
    return best;
}

struct Indexed {
    std::vector<QRgb> palette;
    std::vector<uint8_t> pixels;
};

Indexed quantise(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, qint64> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++histogram[line[x] | 0xff000000u];
    }
    std::vector<Colour> colours;
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        colours.push_back({ it.key(), it.value() });
    // QHash iterates in a different order in every run; the file must not change.
    std::sort(colours.begin(), colours.end(),
        [](const Colour& a, const Colour& b) { return a.rgb < b.rgb; });

    Indexed result;
    if (colours.size() <= kMaxColours) {
        for (const Colour& c : colours)
            result.palette.push_back(c.rgb);
    } else {
        result.palette = medianCut(std::move(colours));
    }
    QHash<QRgb, uint8_t> lookup;
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        lookup.insert(it.key(), uint8_t(nearest(result.palette, it.key())));
    result.pixels.reserve(size_t(image.width()) * size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            result.pixels.push_back(lookup.value(line[x] | 0xff000000u));
    }
    return result;
}

// Packs variable-width codes least significant bit first into the data
// sub-blocks of at most 255 bytes that GIF requires.
class CodeWriter {
public:
    explicit CodeWriter(QByteArray& out)
        : out_(out)
    {
    }

    void write(int code, int width)
    {
        bits_ |= uint32_t(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            put(uint8_t(bits_ & 0xff));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    void finish()
    {
        if (count_ > 0)
            put(uint8_t(bits_ & 0xff));
        bits_ = 0;
        count_ = 0;
        flushBlock();
        out_.append('\0');
    }

private:
    void put(uint8_t byte)
    {
        block_.append(char(byte));
        if (block_.size() == 255)
            flushBlock();
    }
    void flushBlock()
    {
        if (block_.isEmpty())
            return;
        out_.append(char(block_.size()));
        out_.append(block_);
        block_.clear();
    }

    QByteArray& out_;
    QByteArray block_;
    uint32_t bits_ = 0;
    int count_ = 0;
};

void compress(const std::vector<uint8_t>& pixels, int minCodeSize, QByteArray& out)
{
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    // next[prefix * 256 + byte] is the code of prefix followed by byte, 0 if none.
    std::vector<uint16_t> next(size_t(kMaxCode + 1) * 256, 0);
    int codeSize = minCodeSize + 1;
    int lastCode = endCode;
    CodeWriter writer(out);
    writer.write(clearCode, codeSize);
    if (pixels.empty()) {
        writer.write(endCode, codeSize);
        writer.finish();
        return;
    }
    int prefix = pixels[0];
    for (size_t i = 1; i < pixels.size(); ++i) {
        const uint8_t byte = pixels[i];
        uint16_t& slot = next[size_t(prefix) * 256 + byte];
        if (slot != 0) {
            prefix = slot;
            continue;
        }
        writer.write(prefix, codeSize);
        slot = uint16_t(++lastCode);
        if (lastCode >= (1 << codeSize) && codeSize < 12)
            ++codeSize;
        if (lastCode == kMaxCode) {
            writer.write(clearCode, codeSize);
            std::fill(next.begin(), next.end(), 0);
            codeSize = minCodeSize + 1;
            lastCode = endCode;
        }
        prefix = byte;
    }
    writer.write(prefix, codeSize);
    writer.write(endCode, codeSize);
    writer.finish();
}

void appendWord(QByteArray& out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

} // namespace

bool writeGif(const QImage& image, const QString& fileName)
{
    if (image.isNull() || image.width() > 0xffff || image.height() > 0xffff)
        return false;
    const Indexed indexed = quantise(image);
    int tableBits = 1;
    while ((1 << tableBits) < int(indexed.palette.size()))
        ++tableBits;

    QByteArray out("GIF89a");
    appendWord(out, image.width());
    appendWord(out, image.height());
    out.append(char(0x80 | ((tableBits - 1) << 4) | (tableBits - 1)));
    out.append('\0'); // background colour index
    out.append('\0'); // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb rgb = i < int(indexed.palette.size()) ? indexed.palette[size_t(i)] : 0;
        out.append(char(qRed(rgb)));
        out.append(char(qGreen(rgb)));
        out.append(char(qBlue(rgb)));
    }
    out.append(',');
    appendWord(out, 0);
    appendWord(out, 0);
    appendWord(out, image.width());
    appendWord(out, image.height());
    out.append('\0'); // no local table, not interlaced
    const int minCodeSize = std::max(2, tableBits);
    out.append(char(minCodeSize));
    compress(indexed.pixels, minCodeSize, out);
    out.append(';');

    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size() && file.flush();
}
