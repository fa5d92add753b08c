#pragma once

#include <array>

// The split of a project's cost among its financers, as the financing grid
// shows it: the proposer's own share and the public financing, each a share
// of the cost, then the public financing's three parts (the fund, the
// F.D.R. and the region). With employed trainees the proposer bears 30% of
// the cost; with unemployed ones the public financing bears it all.
struct RipartizioneFinanziamento
{
    static constexpr int kQuote = 5;

    // The amounts are computed in double precision, multiplying before
    // dividing by 100, and left unrounded: each is rounded by itself where it
    // is shown, so the three parts need not add up to the rounded public
    // financing.
    static RipartizioneFinanziamento Calcola(double costo, bool occupati);

    std::array<int, kQuote> percentuali{};  // each column's percentage
    std::array<double, kQuote> quote{};     // each column's amount
};
