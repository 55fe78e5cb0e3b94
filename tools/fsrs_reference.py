#!/usr/bin/env python3
"""FSRS-5 worked out by hand, for the expected values of tst_practice_schedule.

Written from the published description only (FSRS wiki "The Algorithm",
sections FSRS-5 and FSRS-4.5, open-spaced-repetition/fsrs4anki), not from the
program: the test compares the program against what this prints. The only
addition to the wiki is the cap on a forgotten item's stability,
S / e^(w17 * w18), as published schedulers with same-day reviews apply it.
Intervals round half up and are at least one day.

    python3 tools/fsrs_reference.py
"""

import math

W = [0.40255, 1.18385, 3.173, 15.69105, 7.1949, 0.5345, 1.4604, 0.0046,
     1.54575, 0.1192, 1.01925, 1.9395, 0.11, 0.29605, 2.2698, 0.2315,
     2.9898, 0.51655, 0.6621]
DECAY = -0.5
FACTOR = 0.9 ** (1 / DECAY) - 1  # 19/81
AGAIN, GOOD = 1, 3


def clamp_d(d):
    return min(max(d, 1.0), 10.0)


def d0(g):
    return clamp_d(W[4] - math.exp(W[5] * (g - 1)) + 1)


def next_d(d, g):
    delta = -W[6] * (g - 3)
    d1 = d + delta * (10 - d) / 9
    return clamp_d(W[7] * d0(4) + (1 - W[7]) * d1)


def recall(t, s):
    return (1 + FACTOR * t / s) ** DECAY


def interval(s, r=0.9):
    days = s / FACTOR * (r ** (1 / DECAY) - 1)
    return max(1, min(36500, math.floor(days + 0.5)))


def review(state, t, g):
    """state None for a new item; t whole days since the last review."""
    if state is None:
        return W[g - 1], d0(g)
    s, d = state
    if t < 1:
        s2 = s * math.exp(W[17] * (g - 3 + W[18]))
    elif g == AGAIN:
        r = recall(t, s)
        s2 = W[11] * d ** -W[12] * ((s + 1) ** W[13] - 1) * math.exp(W[14] * (1 - r))
        s2 = min(s2, s / math.exp(W[17] * W[18]))
    else:
        r = recall(t, s)
        s2 = s * (1 + math.exp(W[8]) * (11 - d) * s ** -W[9] * (math.exp(W[10] * (1 - r)) - 1))
    return max(s2, 0.01), next_d(d, g)


def run(name, steps):
    """steps: (day, grade); prints stability, difficulty and the next due day."""
    print(name)
    state, last = None, None
    for day, g in steps:
        state = review(state, 0 if last is None else day - last, g)
        last = day
        due = day if g == AGAIN else day + interval(state[0])
        print(f"  day {day:3d} {'Again' if g == AGAIN else 'Good '}: "
              f"S {state[0]:.4f}  D {state[1]:.4f}  due day {due}")


if __name__ == "__main__":
    # Each answer on the day it falls due.
    run("good, good, good", [(0, GOOD), (3, GOOD), (14, GOOD), (49, GOOD)])
    run("again, then good the same day", [(0, AGAIN), (0, GOOD), (1, GOOD)])
    run("good, good, then again and good the same day",
        [(0, GOOD), (3, GOOD), (14, AGAIN), (14, GOOD), (17, GOOD)])
    run("good, then good 30 days late", [(0, GOOD), (30, GOOD)])
