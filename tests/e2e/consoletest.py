"""Expected console screens of `drev`, built from the same messages and texts the program reads,
so that console tests can compare whole transcripts. Every screen is 25 lines; where there is a
prompt ("> ", no line end) it stands on the line below."""


def blank(count):
    return "\n" * max(count, 0)


def lines(texts):
    return "".join(text + "\n" for text in texts)


def echo(*file_texts):
    """What loading the given table files prints: each of their lines, cut at 99 characters."""
    return "".join(lines(line[:99] for line in text.split("\n")[:-1]) for text in file_texts)


def messages(file_text):
    """The messages of a message file: data lines from column 4, comments and empty lines skipped."""
    return [line[4:] for line in file_text.split("\n") if line and not line.startswith("#")]


def header(msg):
    return "\n" + lines(msg[11:14])


def menu_page(msg, title, items):
    """A menu page; items are (code, label) pairs."""
    body = "".join("%5d) %s\n" % item for item in items)
    return header(msg) + title + "\n\n" + body + blank(20 - 1 - len(items)) + "> "


def language_page(msg, languages):
    """The language page; languages are (number, name) pairs."""
    body = "".join("%5d) %s\n" % language for language in languages)
    return header(msg) + "\n" + body + blank(20 - len(languages)) + "> "


def missing_row_page(msg):
    return header(msg) + "Error in the menu index\n" + blank(19) + "> "


def information_page(msg, number):
    return header(msg) + blank(5) + msg[14 + number] + "\n" + blank(14) + msg[14] + "\n> "


def about_page(msg):
    return header(msg) + lines(msg[18:25]) + blank(13) + msg[14] + "\n> "


def start_screen(msg):
    first = blank(7) + lines(msg[0:11]) + blank(7)
    second = blank(7) + lines(msg[18:25]) + blank(10) + msg[14] + "\n"
    return first + second


def key_test(msg, echoed):
    """The key test screen; echoed is the text of the key lines."""
    return blank(25) + header(msg) + msg[25] + "\n> " + echoed + "\n" + msg[14] + "\n> "


def unknown(line):
    return "Unknown command:%s. Press [Enter] to continue\n" % line


FILE_ERROR = "errore nel file. Premere enter"
