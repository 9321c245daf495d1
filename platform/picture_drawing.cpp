#include "platform/picture_drawing.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace platform {
namespace {

Box Overlap(const Box& a, const Box& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const Box& box) { return box.right <= box.left || box.bottom <= box.top; }

int Wrap(long long value, int period) {
    const long long rest = value % period;
    return static_cast<int>(rest < 0 ? rest + period : rest);
}

uint8_t ToByte(float value) { return static_cast<uint8_t>(std::min(value + 0.5f, 255.0f)); }

// The picture's pixels that make each drawn pixel along one direction, with weights adding up to
// one. Positions are kept exact as fractions (in 64 bits, since a picture filling a monitor may be
// drawn millions of pixels long), so that no rounding drift shifts the last pixels.
class Taps {
public:
    // For the drawn pixels [from, to) of a picture `source` pixels long drawn `drawn` pixels long;
    // counted from `from` below.
    Taps(int source, int drawn, int from, int to) {
        starts_.push_back(0);
        for (long long i = from; i < to; ++i) {
            if (drawn <= source) {
                Average(i * source, (i + 1) * source, source, drawn);
            } else {
                Interpolate(((2 * i + 1) * source - drawn), 2LL * drawn, source);
            }
            starts_.push_back(static_cast<int>(weights_.size()));
        }
    }
    int First(int i) const { return firsts_[static_cast<size_t>(i)]; }
    int Count(int i) const { return starts_[static_cast<size_t>(i) + 1] - starts_[static_cast<size_t>(i)]; }
    const float* Weights(int i) const { return weights_.data() + starts_[static_cast<size_t>(i)]; }
    int End(int i) const { return First(i) + Count(i); }

private:
    // The drawn pixel covers [low, high) in 1/drawn of a source pixel: each source pixel weighs
    // the part of it that is covered.
    void Average(long long low, long long high, int source, int drawn) {
        const long long first = low / drawn, last = (high - 1) / drawn;
        firsts_.push_back(static_cast<int>(first));
        for (long long j = first; j <= last; ++j) {
            const long long covered = std::min(high, (j + 1) * drawn) - std::max(low, j * drawn);
            weights_.push_back(static_cast<float>(static_cast<double>(covered) / source));
        }
    }
    // The drawn pixel's centre lies at centre / unit source pixels, counted between source pixel
    // centres; beyond the first or last centre the edge pixel is taken alone.
    void Interpolate(long long centre, long long unit, int source) {
        const long long j = centre <= 0 ? 0 : centre / unit, fraction = centre <= 0 ? 0 : centre % unit;
        firsts_.push_back(static_cast<int>(std::min<long long>(j, source - 1)));
        if (j >= source - 1 || fraction == 0) {
            weights_.push_back(1.0f);
        } else {
            const float far = static_cast<float>(static_cast<double>(fraction) / unit);
            weights_.push_back(1.0f - far);
            weights_.push_back(far);
        }
    }

    std::vector<int> firsts_;
    std::vector<int> starts_;
    std::vector<float> weights_;
};

uint8_t* CanvasAt(Canvas& canvas, int x, int y) {
    return canvas.Row(y - canvas.Area().top) + static_cast<size_t>(x - canvas.Area().left) * 3;
}

void DrawUnscaled(Canvas& canvas, const PictureView& picture, const Box& area, const Box& visible) {
    for (int y = visible.top; y < visible.bottom; ++y) {
        std::memcpy(CanvasAt(canvas, visible.left, y),
                    picture.Row(y - area.top) + static_cast<size_t>(visible.left - area.left) * 3,
                    static_cast<size_t>(visible.Width()) * 3);
    }
}

// Each drawn row is first summed down the picture's rows it takes, over the columns the visible
// part needs, then along that one row of sums.
void DrawScaled(Canvas& canvas, const PictureView& picture, const Box& area, const Box& visible) {
    const Taps columns(picture.width, area.Width(), visible.left - area.left, visible.right - area.left);
    const Taps rows(picture.height, area.Height(), visible.top - area.top, visible.bottom - area.top);
    const int width = visible.Width();
    const int firstColumn = columns.First(0);
    const size_t sumCount = static_cast<size_t>(columns.End(width - 1) - firstColumn) * 3;
    std::vector<float> sums(sumCount);
    for (int r = 0; r < visible.Height(); ++r) {
        const float* weights = rows.Weights(r);
        for (int k = 0; k < rows.Count(r); ++k) {
            const uint8_t* source = picture.Row(rows.First(r) + k) + static_cast<size_t>(firstColumn) * 3;
            const float weight = weights[k];
            if (k == 0) {
                for (size_t i = 0; i < sumCount; ++i) sums[i] = weight * source[i];
            } else {
                for (size_t i = 0; i < sumCount; ++i) sums[i] += weight * source[i];
            }
        }
        uint8_t* out = CanvasAt(canvas, visible.left, visible.top + r);
        for (int c = 0; c < width; ++c, out += 3) {
            const float* along = columns.Weights(c);
            const float* sum = &sums[static_cast<size_t>(columns.First(c) - firstColumn) * 3];
            float blue = 0, green = 0, red = 0;
            for (int k = 0; k < columns.Count(c); ++k, sum += 3) {
                blue += along[k] * sum[0];
                green += along[k] * sum[1];
                red += along[k] * sum[2];
            }
            out[0] = ToByte(blue);
            out[1] = ToByte(green);
            out[2] = ToByte(red);
        }
    }
}

// A row is made once per row of the picture and copied for the rows below; along a row, one whole
// copy of the picture's row is laid, then what is laid is doubled, so a tiny picture costs no more
// than a large one.
void DrawTiled(Canvas& canvas, const PictureView& picture, Spot origin, const Box& visible) {
    const size_t rowBytes = static_cast<size_t>(visible.Width()) * 3, period = static_cast<size_t>(picture.width) * 3;
    for (int y = visible.top; y < visible.bottom; ++y) {
        uint8_t* out = CanvasAt(canvas, visible.left, y);
        if (y - visible.top >= picture.height) {
            std::memcpy(out, CanvasAt(canvas, visible.left, y - picture.height), rowBytes);
            continue;
        }
        const uint8_t* source = picture.Row(Wrap(static_cast<long long>(y) - origin.y, picture.height));
        const size_t lead = static_cast<size_t>(Wrap(static_cast<long long>(visible.left) - origin.x, picture.width)) * 3;
        size_t done = std::min(period - lead, rowBytes);
        std::memcpy(out, source + lead, done);
        const size_t copyStart = done;
        if (done < rowBytes) {
            const size_t first = std::min(period, rowBytes - done);
            std::memcpy(out + done, source, first);
            done += first;
        }
        while (done < rowBytes) {
            const size_t more = std::min(done - copyStart, rowBytes - done);
            std::memcpy(out + done, out + copyStart, more);
            done += more;
        }
    }
}

}  // namespace

void DrawPicture(Canvas& canvas, const PictureView& picture, const PictureArea& placement, const Box& clip) {
    if (picture.width <= 0 || picture.height <= 0 || !picture.pixels) return;
    const Box reachable = Overlap(clip, canvas.Area());
    if (placement.tiled) {
        if (!IsEmpty(reachable)) DrawTiled(canvas, picture, {placement.area.left, placement.area.top}, reachable);
        return;
    }
    const Box& area = placement.area;
    const Box visible = Overlap(area, reachable);
    if (IsEmpty(visible)) return;
    if (area.Width() == picture.width && area.Height() == picture.height) {
        DrawUnscaled(canvas, picture, area, visible);
    } else {
        DrawScaled(canvas, picture, area, visible);
    }
}

}  // namespace platform
