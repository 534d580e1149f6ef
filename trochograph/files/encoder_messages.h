// What FFmpeg and its encoders say while a film is written: held back rather than printed,
// so that the program's one line is all a user sees, and kept, so that the line can tell
// why an encoder failed. FFmpeg's log is taken through its callback; the standard error is
// held too, since x264 prints its failures to allocate memory there itself.
#pragma once

#include <string>

#include "common/result.h"

namespace trochograph {

// Holds the messages from its making until it goes; what was said before it is forgotten.
// Holds may nest, and the outermost counts. Hold only around calls into FFmpeg: the
// standard error of the whole program is held meanwhile.
class HeldEncoderMessages {
public:
    HeldEncoderMessages();
    ~HeldEncoderMessages();
    HeldEncoderMessages(const HeldEncoderMessages&) = delete;
    HeldEncoderMessages& operator=(const HeldEncoderMessages&) = delete;
};

// The failure of an FFmpeg call that returned `averror`, as one line: "`what`: reason". The
// reason is the encoder's own last words when the code says no more than "invalid" or "an
// external library failed"; a lack of memory, however the encoder put it, is
// ErrorCode::noMemory.
Error encoderFailure(ErrorCode code, const std::string& what, int averror);

}  // namespace trochograph
