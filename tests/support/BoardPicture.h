#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <utility>

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

// Reads a picture of the board the way the player does: a card lies where the picture shows one
// of the card sheet's faces, pixel for pixel inside the card's rounded outline. A place that shows
// anything else (a gap, a card partly covered) holds no card that can be read.
class BoardPicture {
public:
    explicit BoardPicture(const QImage& picture) : image(picture.convertToFormat(QImage::Format_RGB32)) {}

    // The card whose face has its top left corner at `corner`.
    std::optional<SeenCard> CardAt(QPoint corner) const {
        if (!QRect(QPoint(0, 0), image.size()).contains(QRect(corner, QSize(CardWidth, CardHeight)))) return {};
        const Key key = Samples(image, corner);
        const auto found = Faces().find(Hash(key));
        if (found == Faces().end() || found->second.first != key) return {};
        return found->second.second;
    }
    std::optional<SeenCard> Place(int column, int row) const { return CardAt({PlaceLeft(column), PlaceTop(row)}); }

    // The places as the deal printer writes them: four lines of fourteen tokens, "--" where no card
    // can be read.
    QString Text() const {
        QStringList lines;
        for (int row = 0; row < Board::Rows; ++row) {
            QStringList tokens;
            for (int column = 0; column < Board::Columns; ++column) {
                const std::optional<SeenCard> card = Place(column, row);
                tokens << (card ? CardToken(card->suit, card->rank) : QStringLiteral("--"));
            }
            lines << tokens.join(QLatin1Char(' '));
        }
        return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
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

    // Where a card can be read on the board, and where it is.
    std::optional<QPoint> Find(SeenCard card) const {
        for (int column = 0; column < Board::Columns; ++column) {
            for (int row = 0; row < Board::Rows; ++row) {
                if (Place(column, row) == card) return QPoint(column, row);
            }
        }
        return {};
    }

    const QImage& Image() const { return image; }

private:
    // A grid of pixels inside the outline, every fourth one each way; the sheet's faces differ on it.
    static constexpr int Step = 4;
    using Key = std::array<QRgb, ((CardHeight - 4 + Step - 1) / Step) * ((CardWidth - 4 + Step - 1) / Step)>;

    static Key Samples(const QImage& picture, QPoint corner) {
        Key key{};
        QRgb* next = key.data();
        for (int y = 2; y < CardHeight - 2; y += Step) {
            const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(corner.y() + y)) + corner.x();
            for (int x = 2; x < CardWidth - 2; x += Step) *next++ = line[x] | 0xFF000000u;
        }
        return key;
    }
    static std::uint64_t Hash(const Key& key) {
        std::uint64_t hash = 14695981039346656037ull;
        for (const QRgb* pixel = key.data(); pixel != key.data() + key.size(); ++pixel) {
            hash = (hash ^ *pixel) * 1099511628211ull;
        }
        return hash;
    }

    // The faces of the card sheet by the hash of their samples.
    static const std::unordered_map<std::uint64_t, std::pair<Key, SeenCard>>& Faces() {
        static const auto faces = [] {
            const QImage sheet = CardSheets::Cards().convertToFormat(QImage::Format_RGB32);
            std::unordered_map<std::uint64_t, std::pair<Key, SeenCard>> made;
            for (int suit = 0; suit < 4; ++suit) {
                for (int rank = 1; rank <= 13; ++rank) {
                    const Key key = Samples(sheet, {(rank - 1) * CardWidth, suit * CardHeight});
                    const bool distinct = made.emplace(Hash(key), std::pair(key, SeenCard{suit, rank})).second;
                    EXPECT_TRUE(distinct) << "two faces look alike: " << suit << " " << rank;
                }
            }
            return made;
        }();
        return faces;
    }

    QImage image;
};
