// The brace-token handler: one token of a key sequence, the text between "{"
// and "}" or inside a braced modifier group.
#pragma once

namespace keystrip {

// Carries out the token text (NUL-terminated, shorter than 1024 characters): a
// named key, possibly repeated; a character of the fixed sets; a pause; emptying
// the clipboard; a command launch. Any other text is typed as a key sequence.
void PushBraceToken(const char* text);

}  // namespace keystrip
