"""Reads deals and winning lines from the program itself: `tvdl --print-deal N` and `tvdl --solve N`.

A board is 4 rows of 14 places, as `tvdl --print-deal N` prints it: a card is its rank from
"A23456789TJQK" and its suit from "csdh", an empty place "--". `tvdl --solve N` prints one move a
line ("Qc 5 2": the queen of clubs into the gap at column 5, row 2), "reshuffle", then "won" or
"lost". The rules are the program's own; nothing here knows them.
"""

import subprocess

RANKS = "A23456789TJQK"
SUITS = "csdh"
COLUMNS = 14
ROWS = 4
GAP = -1


def card_number(token):
    return SUITS.index(token[1]) * 13 + RANKS.index(token[0])


def parse_board(text):
    """The board text as a flat list of 56 cards (suit * 13 + rank - 1) or GAP, row by row."""
    cells = []
    lines = [line.split() for line in text.strip().splitlines()]
    if len(lines) != ROWS or any(len(tokens) != COLUMNS for tokens in lines):
        raise ValueError("not a board: %r" % text)
    for tokens in lines:
        for token in tokens:
            cells.append(GAP if token == "--" else card_number(token))
    return cells


def solve(program, deal, cells):
    """The program's line for the deal as (from_index, to_index) moves when it wins without a
    reshuffle, else None."""
    text = subprocess.run([program, "--solve", str(deal)], capture_output=True, text=True,
                          timeout=300, check=True).stdout
    lines = text.splitlines()
    if not lines or lines[-1] != "won" or "reshuffle" in lines:
        return None
    state = list(cells)
    line = []
    for move in lines[:-1]:
        token, column, row = move.split()
        source = state.index(card_number(token))
        target = int(row) * COLUMNS + int(column)
        state[target], state[source] = state[source], GAP
        line.append((source, target))
    return line
