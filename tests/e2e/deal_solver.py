"""Finds a winning line for a deal without reshuffling, by a bounded depth-first search.

A board is 4 rows of 14 places, as `tvdl --print-deal N` prints it: a card is its rank from
"A23456789TJQK" and its suit from "csdh", an empty place "--". A gap takes the card of the same
suit one rank above its left neighbour, or one rank below its right neighbour; the aces in column
0 never move. The deal is won when every row runs ace to king in columns 0 to 12.
"""

RANKS = "A23456789TJQK"
SUITS = "csdh"
COLUMNS = 14
ROWS = 4
GAP = -1


def parse_board(text):
    """The board text as a flat list of 56 cards (suit * 13 + rank - 1) or GAP, row by row."""
    cells = []
    lines = [line.split() for line in text.strip().splitlines()]
    if len(lines) != ROWS or any(len(tokens) != COLUMNS for tokens in lines):
        raise ValueError("not a board: %r" % text)
    for tokens in lines:
        for token in tokens:
            cells.append(GAP if token == "--" else SUITS.index(token[1]) * 13 + RANKS.index(token[0]))
    return cells


def ordered_prefix(cells, row):
    """How many places from column 0 hold their row's run in order."""
    column = 0
    while column < COLUMNS - 1 and cells[row * COLUMNS + column] == row * 13 + column:
        column += 1
    return column


def is_won(cells):
    return all(ordered_prefix(cells, row) == COLUMNS - 1 for row in range(ROWS))


def legal_moves(cells):
    """Every (from_index, to_index) the gap rule allows, leaving the ordered runs alone."""
    where = {card: index for index, card in enumerate(cells) if card != GAP}
    fixed = set()
    for row in range(ROWS):
        fixed.update(row * COLUMNS + column for column in range(ordered_prefix(cells, row)))
    moves = []
    for index, card in enumerate(cells):
        column = index % COLUMNS
        if card != GAP or column == 0:
            continue
        wanted = []
        left = cells[index - 1]
        if left != GAP and left % 13 < 12:
            wanted.append(left + 1)
        if column < COLUMNS - 1:
            right = cells[index + 1]
            if right != GAP and right % 13 > 1:
                wanted.append(right - 1)
        for candidate in wanted:
            source = where[candidate]
            if source not in fixed and source % COLUMNS != 0:
                moves.append((source, index))
    return moves


def solve(cells, node_limit=200000):
    """A list of (from_index, to_index) moves that wins the deal, or None."""
    def score(state):
        return sum(ordered_prefix(state, row) for row in range(ROWS))

    seen = {tuple(cells)}
    line = []
    # An explicit stack, so a long line cannot reach Python's recursion limit.
    stack = [(list(cells), None)]
    nodes = 0
    while stack:
        state, children = stack[-1]
        if children is None:
            if is_won(state):
                return line
            nodes += 1
            if nodes > node_limit:
                return None
            options = []
            for move in legal_moves(state):
                after = list(state)
                after[move[1]], after[move[0]] = after[move[0]], GAP
                key = tuple(after)
                if key not in seen:
                    options.append((score(after), move, after))
            options.sort(key=lambda option: option[0])
            stack[-1] = (state, options)
            children = options
        if not children:
            stack.pop()
            if line:
                line.pop()
            continue
        _, move, after = children.pop()
        if tuple(after) in seen:
            continue
        seen.add(tuple(after))
        line.append(move)
        stack.append((after, None))
    return None
