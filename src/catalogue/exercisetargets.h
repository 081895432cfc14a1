#pragma once

#include <array>

#include "storage/scenariodescription.h"
#include "storage/trainingmetrics.h"

// What a trainee aims at in an exercise, in the figures the tracking
// measures. A scenario file holds them in its limit groups, four numbers
// each, 0 meaning no target:
//
//     max_time       the time target in seconds (a single number)
//     max_distance   left path length mm, right path length mm, 0, 0
//     max_eff_cnt    left idle s, right idle s, 0, 0
//
// The other groups (max_fft, max_acc, max_vel, max_eff_vel) hold no target.
//
// The time targets of the built-in exercises are the proficiency levels of
// the Fundamentals of Laparoscopic Surgery skills curriculum (Ritter EM,
// Scott DJ: Design of a proficiency-based skills training curriculum for the
// Fundamentals of Laparoscopic Surgery. Surgical Innovation 2007;14:107-112):
// peg transfer 48 s, precision cutting 98 s, ligating loop 53 s,
// intracorporeal knot 112 s.
//
// The path-length and idle-time targets are our own estimates of expert
// performance, not published figures. A hand's path length is the time
// target times a typical expert mean tip speed in a box trainer: about
// 30 mm/s for a hand that carries objects, 20 mm/s for one that cuts, loops
// or ties, 10 mm/s for one that mostly holds; rounded to 50 mm. A hand's idle
// time is a fifth of the time target for a working hand and half of it for a
// holding one, rounded to the second:
//
//     exercise             left path  right path  left idle  right idle
//     peg transfer          1450 mm    1450 mm      10 s       10 s
//     precision cutting     1000 mm    1950 mm      49 s       20 s
//     ligating loop          550 mm    1050 mm      27 s       11 s
//     intracorporeal knot   2250 mm    2250 mm      22 s       22 s
struct ExerciseTargets
{
    int seconds = 0;
    std::array<double, kInstrumentCount> pathLengthMm {};
    std::array<double, kInstrumentCount> idleSeconds {};
};

inline ExerciseTargets exerciseTargets(const ScenarioDescription &scenario)
{
    ExerciseTargets targets;
    targets.seconds = scenario.maxTime;
    for (int hand = InstrumentLeft; hand < kInstrumentCount; ++hand) {
        targets.pathLengthMm[hand] = scenario.maxDistance[hand];
        targets.idleSeconds[hand] = scenario.maxEffCnt[hand];
    }
    return targets;
}
