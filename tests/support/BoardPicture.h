#pragma once

#include <gtest/gtest.h>

#include <QHash>
#include <QImage>
#include <QPoint>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <optional>

#include "cards/CardSheets.h"
#include "cards/TableGeometry.h"
#include "game/Board.h"
#include "game/DealPrinter.h"

// A card as the player sees it.
struct SeenCard {
    int suit = 0;
    int rank = 0;
    auto operator<=>(const SeenCard&) const = default;
};

// A picture of the board read the way the player reads it: a card lies where the picture shows
// one of the card sheet's faces, pixel for pixel inside the card's rounded outline. A place that
// shows anything else (a gap, a card partly covered) holds no card that can be read.
class BoardPicture {
public:
    // The picture is read at once and not kept.
    explicit BoardPicture(const QImage& picture) {
        const QImage image = picture.convertToFormat(QImage::Format_RGB32);
        for (int column = 0; column < Board::Columns; ++column) {
            for (int row = 0; row < Board::Rows; ++row)
                places[Index(column, row)] = CardAt(image, {PlaceLeft(column), PlaceTop(row)});
        }
    }

    // The card whose face has its top left corner at `corner` of an RGB32 picture.
    static std::optional<SeenCard> CardAt(const QImage& image, QPoint corner) {
        if (!image.rect().contains(QRect(corner, QSize(CardWidth, CardHeight)))) return {};
        const Key key = Samples(image, corner);
        const auto found = Faces().find(qHashBits(key.data(), sizeof(Key)));
        if (found == Faces().end() || std::memcmp(found->second.first.data(), key.data(), sizeof(Key)) != 0)
            return {};
        return found->second.second;
    }
    const std::optional<SeenCard>& Place(int column, int row) const { return places[Index(column, row)]; }

    // The places as the deal printer writes them: four lines of fourteen tokens, "--" where no card
    // can be read.
    QString Text() const {
        QStringList lines;
        for (int row = 0; row < Board::Rows; ++row) {
            QStringList tokens;
            for (int column = 0; column < Board::Columns; ++column) {
                const std::optional<SeenCard>& card = Place(column, row);
                tokens << (card ? CardToken(card->suit, card->rank) : QStringLiteral("--"));
            }
            lines << tokens.join(QLatin1Char(' '));
        }
        return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }

    // How many places show a whole card: all 52 when none is held.
    int Cards() const {
        return static_cast<int>(
            std::count_if(places.begin(), places.end(), [](const auto& card) { return card.has_value(); }));
    }

    // Every row runs from ace to king of its own suit.
    bool Won() const {
        for (int row = 0; row < Board::Rows; ++row) {
            for (int column = 0; column < Board::Columns - 1; ++column) {
                if (Place(column, row) != SeenCard{row, column + 1}) return false;
            }
        }
        return true;
    }

    std::optional<QPoint> Find(SeenCard card) const {
        for (int column = 0; column < Board::Columns; ++column) {
            for (int row = 0; row < Board::Rows; ++row) {
                if (Place(column, row) == card) return QPoint(column, row);
            }
        }
        return {};
    }

private:
    static std::size_t Index(int column, int row) {
        return static_cast<std::size_t>(row * Board::Columns + column);
    }

    // A grid of pixels inside the outline, every fourth one each way; the sheet's faces differ on it.
    static constexpr int Step = 4;
    using Key = std::array<QRgb, ((CardHeight - 4 + Step - 1) / Step) * ((CardWidth - 4 + Step - 1) / Step)>;
    static Key Samples(const QImage& picture, QPoint corner) {
        Key key{};
        QRgb* next = key.data();
        for (int y = 2; y < CardHeight - 2; y += Step) {
            const auto* line =
                reinterpret_cast<const QRgb*>(picture.constScanLine(corner.y() + y)) + corner.x();
            for (int x = 2; x < CardWidth - 2; x += Step) *next++ = line[x] | 0xFF000000u;
        }
        return key;
    }
    // The sheet's faces by the hash of their samples.
    static const std::map<std::size_t, std::pair<Key, SeenCard>>& Faces() {
        static const auto faces = [] {
            const QImage sheet = CardSheets::Cards().convertToFormat(QImage::Format_RGB32);
            std::map<std::size_t, std::pair<Key, SeenCard>> made;
            for (int suit = 0; suit < 4; ++suit) {
                for (int rank = 1; rank <= 13; ++rank) {
                    const Key key = Samples(sheet, {(rank - 1) * CardWidth, suit * CardHeight});
                    const bool distinct =
                        made.emplace(qHashBits(key.data(), sizeof(Key)), std::pair(key, SeenCard{suit, rank}))
                            .second;
                    EXPECT_TRUE(distinct) << "two faces look alike: " << suit << " " << rank;
                }
            }
            return made;
        }();
        return faces;
    }

    std::array<std::optional<SeenCard>, Board::Columns * Board::Rows> places;
};
