// Hands the program's settings to the parts that read them: the windows through gOption, the
// engine through what each part needs (the log folder, the sound folder, the INI file of the
// broadcast access, the network cameras' list, the language module). The camera host owns
// them; a test without a host publishes its own.
#pragma once

namespace trelvix {

class Option;

// Null withdraws them everywhere; the settings must outlive their publication.
void PublishSettings(Option* option);

}  // namespace trelvix
