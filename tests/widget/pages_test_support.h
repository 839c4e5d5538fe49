#pragma once
// Shared helpers of the page window suites: plausible replies, the bytes a page never writes,
// and finding a page's widgets by object name.

#include "case_names.h"
#include "fake_transport.h"
#include "link/frames.h"
#include "pages/page_schema.h"
#include "ui/page_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

namespace motiview::test {

inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A reply as the controller would send it: pseudo-random payload, with list codes that name
// an item and check box bytes of 0 or 1, so that every field round-trips.
inline Unit make_reply(const PageSchema& page, std::uint32_t seed) {
    Unit u{};
    const PageCodes codes = page_codes(page.id);
    u[0] = codes.group;
    u[1] = codes.read;
    u[31] = kEndByte;
    std::uint32_t x = seed * 2654435761u + 12345u;
    for (std::size_t b = 2; b <= 30; ++b) {
        x = x * 1103515245u + 12345u;
        u[b] = static_cast<std::uint8_t>(x >> 16);
    }
    for (const FieldSchema& f : page.fields) {
        if (f.kind == FieldKind::ListIndex && !f.items.empty()) {
            const auto count = static_cast<std::uint32_t>(f.items.size());
            const std::int32_t stored =
                static_cast<std::int32_t>((seed + f.offset) % count) + f.listBase;
            u[f.offset] = static_cast<std::uint8_t>(std::clamp(stored, f.min, f.max));
        } else if (f.kind == FieldKind::CheckValue) {
            u[f.offset] = static_cast<std::uint8_t>(u[f.offset] & 1);
        } else if (f.kind == FieldKind::Number && f.width == Width::SM16 &&
                   (load_u16le(u, f.offset) & 0x7FFF) == 0) {
            u[f.offset] = 1; // a lone sign bit has no text of its own
        }
    }
    return u;
}

// Bits of the write frame that a page always sends as 0 whatever the reply held.
inline Unit zero_mask(PageId page) {
    Unit m{};
    switch (page) {
    case PageId::ModeSet:
        for (std::size_t b = 18; b <= 30; ++b) {
            m[b] = 0xFF;
        }
        break;
    case PageId::FluxWeaken:
        m[2] = 0xFF;
        break;
    case PageId::Other:
        m[8] = 0x40; // no control carries bit 6 of the enable byte
        break;
    case PageId::Hardware:
        for (std::size_t b : {2u, 3u, 5u, 6u, 7u, 11u, 22u}) {
            m[b] = 0xFF;
        }
        m[4] = 0x80;
        break;
    default:
        break;
    }
    return m;
}

// The write frame that echoes a reply: the write code in byte 1, the never-written bits 0.
inline Unit echo_of(PageId page, const Unit& reply) {
    Unit e = reply;
    e[1] = page_codes(page).write;
    const Unit mask = zero_mask(page);
    for (std::size_t b = 0; b < kUnitSize; ++b) {
        e[b] = static_cast<std::uint8_t>(e[b] & ~mask[b]);
    }
    return e;
}

inline Bytes to_bytes(const Unit& u) {
    return Bytes(u.begin(), u.end());
}

// One page window on a fake port, shown offscreen; deleted with the fixture.
class PageFixture {
  public:
    explicit PageFixture(PageId id) : window_(new PageWindow(page_schema(id), port_)) {
        window_->show();
    }
    ~PageFixture() { delete window_.data(); }
    PageFixture(const PageFixture&) = delete;
    PageFixture& operator=(const PageFixture&) = delete;

    PageWindow& window() { return *window_; }
    FakeTransport& port() { return port_; }

    template <class W> W* child(std::string_view name) { return window_->findChild<W*>(qs(name)); }
    QMessageBox* message() { return child<QMessageBox>("msgPage"); }
    // Closes every page message so the next one can be told apart.
    void dropMessages() {
        for (QMessageBox* box : window_->findChildren<QMessageBox*>(QStringLiteral("msgPage"))) {
            delete box;
        }
    }

  private:
    FakeTransport port_;
    QPointer<PageWindow> window_;
};

} // namespace motiview::test
