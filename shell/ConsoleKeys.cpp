#include "ConsoleKeys.h"

#include "Console.h"
#include "TextFields.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace {

constexpr int ESCAPE = 27;
constexpr int CURSOR_KEY = 224;
constexpr int FUNCTION_KEY = 0;
// How long the rest of a key sequence may take to follow its Escape.
constexpr int SEQUENCE_GAP_MS = 50;

struct KeyCode {
    int first;
    int second;
};

// Keys named by the last character of a sequence: "[A", "OA", "[1;5A" (with modifiers), "OP" ...
struct FinalKey {
    char final;
    KeyCode key;
};

const FinalKey FINAL_KEYS[] = {
    {'A', {CURSOR_KEY, 72}},   {'B', {CURSOR_KEY, 80}},   {'C', {CURSOR_KEY, 77}},
    {'D', {CURSOR_KEY, 75}},   {'H', {CURSOR_KEY, 71}},   {'F', {CURSOR_KEY, 79}},
    {'P', {FUNCTION_KEY, 59}}, {'Q', {FUNCTION_KEY, 60}}, {'R', {FUNCTION_KEY, 61}},
    {'S', {FUNCTION_KEY, 62}},
};

// Keys named by the number of a "[n~" sequence.
struct NumberedKey {
    int number;
    KeyCode key;
};

const NumberedKey NUMBERED_KEYS[] = {
    {1, {CURSOR_KEY, 71}},    {7, {CURSOR_KEY, 71}},    {4, {CURSOR_KEY, 79}},    {8, {CURSOR_KEY, 79}},
    {2, {CURSOR_KEY, 82}},    {3, {CURSOR_KEY, 83}},    {5, {CURSOR_KEY, 73}},    {6, {CURSOR_KEY, 81}},
    {11, {FUNCTION_KEY, 59}}, {12, {FUNCTION_KEY, 60}}, {13, {FUNCTION_KEY, 61}}, {14, {FUNCTION_KEY, 62}},
    {15, {FUNCTION_KEY, 63}}, {17, {FUNCTION_KEY, 64}}, {18, {FUNCTION_KEY, 65}}, {19, {FUNCTION_KEY, 66}},
    {20, {FUNCTION_KEY, 67}}, {21, {FUNCTION_KEY, 68}}, {23, {CURSOR_KEY, 133}},  {24, {CURSOR_KEY, 134}},
};

bool KeyOfFinal(char final, KeyCode* key) {
    for (const FinalKey& entry : FINAL_KEYS) {
        if (entry.final == final) {
            *key = entry.key;
            return true;
        }
    }
    return false;
}

bool KeyOfNumber(int number, KeyCode* key) {
    for (const NumberedKey& entry : NUMBERED_KEYS) {
        if (entry.number == number) {
            *key = entry.key;
            return true;
        }
    }
    return false;
}

bool IsFinalByte(char c) {
    return c >= 0x40 && c <= 0x7e;
}

} // namespace

bool DecodeKeySequence(const char* sequence, int length, int* first, int* second) {
    KeyCode key{};
    bool known = false;
    if (length == 2 && sequence[0] == 'O') {
        known = KeyOfFinal(sequence[1], &key);
    } else if (length == 3 && sequence[0] == '[' && sequence[1] == '[') {
        // The Linux console's F1 to F5: "[[A" to "[[E".
        if (sequence[2] >= 'A' && sequence[2] <= 'E') {
            key = {FUNCTION_KEY, 59 + sequence[2] - 'A'};
            known = true;
        }
    } else if (length >= 2 && sequence[0] == '[') {
        char final = sequence[length - 1];
        if (final == '~') {
            known = KeyOfNumber(FieldInteger(sequence + 1, length - 2), &key);
        } else {
            known = KeyOfFinal(final, &key);
        }
    }
    if (known) {
        *first = key.first;
        *second = key.second;
    }
    return known;
}

KeyReader::KeyReader(Console& console) : console(console), descriptor(fileno(console.Input())) {
    if (descriptor < 0 || tcgetattr(descriptor, &saved) != 0) {
        return;
    }
    termios keys = saved;
    keys.c_lflag &= ~(ICANON | ECHO | ISIG);
    keys.c_iflag &= ~(ICRNL | IXON);
    keys.c_cc[VMIN] = 1;
    keys.c_cc[VTIME] = 0;
    terminal = tcsetattr(descriptor, TCSADRAIN, &keys) == 0;
}

// Waiting for the output to drain may be cut short by a stop signal; the terminal must still
// get its settings back.
KeyReader::~KeyReader() {
    if (terminal) {
        while (tcsetattr(descriptor, TCSADRAIN, &saved) != 0 && errno == EINTR) {
        }
    }
}

int KeyReader::ReadKey() {
    if (pendingNext < pendingCount) {
        return pending[pendingNext++];
    }
    pendingCount = 0;
    pendingNext = 0;
    int c = console.ReadByte();
    if (c == EOF) {
        return -1;
    }
    return c == ESCAPE && terminal ? ReadEscape() : c;
}

bool KeyReader::ByteFollows() const {
    pollfd input{descriptor, POLLIN, 0};
    return poll(&input, 1, SEQUENCE_GAP_MS) > 0;
}

// Collects the rest of a sequence after Escape: "O" and one character, "[[" and one character,
// or "[", parameter characters and a final character. A known key is returned as its first code
// with the second one pending; anything else as Escape with its bytes pending.
int KeyReader::ReadEscape() {
    char sequence[MAX_SEQUENCE - 1];
    int length = 0;
    while (length < MAX_SEQUENCE - 1 && ByteFollows()) {
        int c = console.ReadByte();
        if (c == EOF) {
            break;
        }
        sequence[length++] = static_cast<char>(c);
        if (length == 1) {
            if (c != '[' && c != 'O') {
                break;
            }
        } else if (sequence[0] == 'O') {
            break;
        } else if (!(length == 2 && c == '[') && IsFinalByte(static_cast<char>(c))) {
            break;
        }
    }
    int first = 0;
    int second = 0;
    if (DecodeKeySequence(sequence, length, &first, &second)) {
        pending[pendingCount++] = second;
        return first;
    }
    for (int i = 0; i < length; ++i) {
        pending[pendingCount++] = static_cast<unsigned char>(sequence[i]);
    }
    return ESCAPE;
}
