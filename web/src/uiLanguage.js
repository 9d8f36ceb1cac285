// Colours for UI description files: the section and widget type names, strings with their
// escapes (\\ \" \n, running over line ends as the loader reads them), numbers, true and false,
// the keys of settings, the marks { } [ ] = | and '#' comments.
import { StreamLanguage } from '@codemirror/language';

const SECTION_NAMES = new Set(['uiWindow', 'uiBevel', 'uiLabel', 'uiButton', 'uiColorTable', 'uiFontTable']);
const NUMBER = /^[-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?/;
const NAME = /^[A-Za-z_][A-Za-z0-9_]*/;

function stringPart(stream, state) {
    if (stream.eat('\\')) {
        stream.next();
        return 'escape';
    }
    while (!stream.eol()) {
        const next = stream.peek();
        if (next === '"') {
            stream.next();
            state.inString = false;
            break;
        }
        if (next === '\\') {
            break;
        }
        stream.next();
    }
    return 'string';
}

export const uiLanguage = StreamLanguage.define({
    name: 'vanui',
    startState: () => ({ inString: false }),
    copyState: (state) => ({ inString: state.inString }),
    token(stream, state) {
        if (state.inString) {
            return stringPart(stream, state);
        }
        if (stream.eatSpace()) {
            return null;
        }
        if (stream.eat('#')) {
            stream.skipToEnd();
            return 'comment';
        }
        if (stream.eat('"')) {
            state.inString = true;
            return 'string';
        }
        if (stream.match(NUMBER)) {
            return 'number';
        }
        const name = stream.match(NAME);
        if (name) {
            if (SECTION_NAMES.has(name[0])) {
                return 'keyword';
            }
            return name[0] === 'true' || name[0] === 'false' ? 'bool' : 'propertyName.definition';
        }
        const mark = stream.next();
        return '{}[]'.includes(mark) ? 'bracket' : 'punctuation';
    },
    languageData: { commentTokens: { line: '#' } },
});
