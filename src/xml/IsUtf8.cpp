#include "IsUtf8.h"

namespace {

// Bytes that follow a lead byte, chosen by its bits 5, 4 and 3; -1 for an invalid lead.
int followingBytes(unsigned char lead)
{
    if (!(lead & 0x20)) return 1;
    if (!(lead & 0x10)) return 2;
    if (!(lead & 0x08)) return 3;
    return -1;
}

}  // namespace

bool IsUtf8(const unsigned char* bytes, std::size_t length, int* nonAsciiSequences,
            bool* failedAtEnd)
{
    int sequences = 0;
    bool atEnd = false;
    bool valid = true;
    std::size_t i = 0;
    while (valid && i < length && bytes[i] != 0) {
        const unsigned char lead = bytes[i++];
        if (lead < 0x80) continue;
        ++sequences;
        const int more = followingBytes(lead);
        if (more < 0) {
            valid = false;
            break;
        }
        for (int k = 0; k < more; ++k, ++i) {
            if (i >= length) {
                atEnd = true;
                valid = false;
                break;
            }
            if (!(bytes[i] & 0x80)) {
                valid = false;
                break;
            }
        }
    }
    if (nonAsciiSequences) *nonAsciiSequences = sequences;
    if (failedAtEnd) *failedAtEnd = atEnd;
    return valid;
}
