#include "window/forms/DrawingDamage.h"

namespace {

constexpr std::size_t kUnmatched = static_cast<std::size_t>(-1);

// A smoothly scaled picture may touch every pixel its place partly covers.
QRect pixelsOf(const DrawnPicture& drawn) { return drawn.place.toAlignedRect(); }

} // namespace

QRegion drawingDamage(const std::vector<DrawnPicture>& before, const std::vector<DrawnPicture>& after)
{
    QRegion damage;
    // Each picture of `after` is matched with an unmatched equal one of `before`,
    // looked for from just after the last match: mostly the next one.
    std::vector<bool> taken(before.size(), false);
    std::vector<std::size_t> placeBefore(after.size(), kUnmatched);
    std::size_t next = 0;
    bool sameOrder = true;
    for (std::size_t i = 0; i < after.size(); ++i) {
        for (std::size_t n = 0; n < before.size(); ++n) {
            const std::size_t j = (next + n) % before.size();
            if (taken[j] || !(before[j] == after[i])) continue;
            taken[j] = true;
            placeBefore[i] = j;
            sameOrder = sameOrder && n + next < before.size();
            next = j + 1;
            break;
        }
        if (placeBefore[i] == kUnmatched) damage += pixelsOf(after[i]);
    }
    for (std::size_t j = 0; j < before.size(); ++j)
        if (!taken[j]) damage += pixelsOf(before[j]);
    if (sameOrder) return damage;
    // Where two pictures of both overlap, the one drawn later shows on top.
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (placeBefore[i] == kUnmatched) continue;
        for (std::size_t k = i + 1; k < after.size(); ++k) {
            if (placeBefore[k] == kUnmatched || placeBefore[k] > placeBefore[i]) continue;
            const QRect overlap = pixelsOf(after[i]) & pixelsOf(after[k]);
            if (!overlap.isEmpty()) damage += overlap;
        }
    }
    return damage;
}
