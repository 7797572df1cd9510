#!/usr/bin/env python3
"""Plays the computer opponents against each other headless and prints the table of docs/commander.md.

    python3 scripts/commander-table.py [--simulator build/bin/sector-clash-simulate] [--seeds 10] [--jobs 2]

Each match is played on the two-side level (data/levels/level3.xml) once per seed 1..N, the sides swapped
on every other seed so that neither difficulty always has the same corner. A game is won by destroying the
other headquarters; 45 game minutes without it is a draw. "Against nothing" puts one commander on Red and
none on Blue (the player's side, which then does nothing) and gives it 20 game minutes. A game stalls when,
for 5 game minutes in a row, both sides hold 1000 or more money and neither's count of tanks and buildings
changes.
"""
import argparse
import concurrent.futures
import json
import subprocess

LEVEL = "data/levels/level3.xml"
DUEL_SECONDS = 2700
PASSIVE_SECONDS = 1200
STALL_SECONDS = 300


def play(simulator, commanders, seed, seconds):
    arguments = [simulator, LEVEL, "--seed", str(seed), "--seconds", str(seconds), "--trace"]
    for side, difficulty in commanders:
        arguments += ["--commander", f"{side}={difficulty}"]
    output = subprocess.run(arguments, capture_output=True, text=True, check=True).stdout
    lines = [json.loads(line) for line in output.splitlines() if line.startswith("{")]
    return lines


def stalled(lines):
    still = 0
    previous = None
    for line in lines:
        sides = line["sides"]
        state = tuple((sides[s]["tanks"], sides[s]["buildings"]) for s in ("Blue", "Red"))
        rich = all(sides[s]["money"] >= 1000 for s in ("Blue", "Red"))
        still = still + 1 if rich and state == previous else 0
        previous = state
        if still >= STALL_SECONDS:
            return True
    return False


def winner(last, seconds):
    if last["finished"] and last["won"]:
        return "Blue"
    if last["finished"] and last["seconds"] < seconds:
        return "Red"
    return None


def duel(simulator, first, second, seed):
    # Odd seeds: the first difficulty plays Blue; even seeds: Red.
    blue, red = (first, second) if seed % 2 else (second, first)
    lines = play(simulator, [("Blue", blue), ("Red", red)], seed, DUEL_SECONDS)
    side = winner(lines[-1], DUEL_SECONDS)
    won = None if side is None else (blue if side == "Blue" else red)
    return won, lines[-1]["seconds"], stalled(lines)


def passive(simulator, difficulty, seed):
    lines = play(simulator, [("Red", difficulty)], seed, PASSIVE_SECONDS)
    return winner(lines[-1], PASSIVE_SECONDS) == "Red", lines[-1]["seconds"], stalled(lines)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--simulator", default="build/bin/sector-clash-simulate")
    parser.add_argument("--seeds", type=int, default=10)
    parser.add_argument("--jobs", type=int, default=2)
    options = parser.parse_args()
    seeds = range(1, options.seeds + 1)
    rows = []
    with concurrent.futures.ThreadPoolExecutor(options.jobs) as pool:
        for first, second in [("normal", "easy"), ("hard", "normal"), ("hard", "easy")]:
            results = list(pool.map(lambda seed: duel(options.simulator, first, second, seed), seeds))
            wins = sum(1 for won, _, _ in results if won == first)
            losses = sum(1 for won, _, _ in results if won == second)
            times = sorted(seconds for won, seconds, _ in results if won == first)
            stalls = sum(1 for _, _, stall in results if stall)
            rows.append((f"{first} against {second}", wins, losses, len(results) - wins - losses, times, stalls))
        for difficulty in ["easy", "normal", "hard"]:
            results = list(pool.map(lambda seed: passive(options.simulator, difficulty, seed), seeds))
            wins = sum(1 for won, _, _ in results if won)
            times = sorted(seconds for won, seconds, _ in results if won)
            stalls = sum(1 for _, _, stall in results if stall)
            rows.append((f"{difficulty} against nothing", wins, len(results) - wins, 0, times, stalls))
    print("| match | won | lost | drawn | game minutes of the wins (fastest-slowest) | stalls |")
    print("|---|---|---|---|---|---|")
    for name, wins, losses, draws, times, stalls in rows:
        span = f"{times[0] / 60:.1f}-{times[-1] / 60:.1f}" if times else "-"
        print(f"| {name} | {wins} | {losses} | {draws} | {span} | {stalls} |")


if __name__ == "__main__":
    main()
