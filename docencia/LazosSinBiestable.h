#pragma once
#include <vector>

namespace velistra {
class Mesa;
}

namespace velistra::docencia {

// A feedback loop through chips that keep no state: an output reaches, through nets and
// the chips of the loop, an input that can move it, and no flip-flop, latch, counter or
// register stands in the way. It oscillates or holds a level by itself, which the
// settling only tells when it runs into its limit.
struct Lazo {
    // Places in the chip list (from 0) of the chips it goes through, in list order.
    std::vector<int> chips;
    // An output pin of the first of them that lies on the loop.
    int pin = 0;
};

// Every loop once, in the order of its first chip. Only seated chips count, and only the
// inputs a chip's logic can let through to each output: two gates of one package that
// have nothing to do with each other form no loop.
std::vector<Lazo> LazosSinBiestable(Mesa& mesa);

}  // namespace velistra::docencia
