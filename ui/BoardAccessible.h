#pragma once

#include <QObject>
#include <QString>

#include "base/Language.h"

class Board;
class QWidget;

// What a screen reader finds on the board: a table of 14 x 4 cells, each named by the card it
// holds ("queen of clubs", "Kreuz-Dame") or as a gap, with the keyboard cursor's place as the
// focused cell. It draws nothing; the window's look is untouched.
class BoardAccessible : public QObject {
    Q_OBJECT

public:
    // Reads the board shown by view, in the language given.
    BoardAccessible(QWidget& view, const Board& board, const Language& language);
    ~BoardAccessible() override;

    // The name of a card, or of an empty place when rank is out of 1..13.
    static QString CardName(int suit, int rank, Language language);

    QString CellName(int column, int row) const;
    QString CellDescription(int column, int row) const;
    const QWidget& View() const { return view; }
    Language CurrentLanguage() const { return language; }
    bool HasCursor(int column, int row) const { return column == cursorColumn && row == cursorRow; }

    // The keyboard cursor stands on (column, row): the reader's focus goes there too.
    void CursorMoved(int column, int row);

    // Finds the reader attached to a view; nullptr for any other widget.
    static BoardAccessible* Of(const QObject* view);

private:
    QWidget& view;
    const Board& board;
    const Language& language;
    int cursorColumn = -1;
    int cursorRow = -1;
};
