// orvan-sample-card OUTDIR: makes a realistic memory card of recordings for trying the player and for tests.
#include <chrono>
#include <iostream>

#include "card.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: orvan-sample-card OUTDIR\n";
        return 1;
    }
    const auto t0 = std::chrono::steady_clock::now();
    bool madeNew = false;
    std::string error;
    if (!samplecard::MakeCard(argv[1], madeNew, error)) {
        std::cerr << "orvan-sample-card: " << error << '\n';
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (madeNew) {
        std::cerr << "orvan-sample-card: made " << samplecard::CardLayout().size() << " recordings in "
                  << argv[1] << " (" << static_cast<int>(seconds + 0.5) << " s)\n";
    }
    return 0;
}
