#pragma once
// SIGTERM and SIGHUP (a `kill`, a desktop session that closes) end the program as leaving
// does but without asking anything: nobody is there to answer.
#include <functional>

namespace velistra {

// From then on either signal runs `antes` in the event loop, then ends the loop; what the
// program owns is then destroyed as on any normal return from main.
void TerminaConLasSenales(std::function<void()> antes);

}  // namespace velistra
