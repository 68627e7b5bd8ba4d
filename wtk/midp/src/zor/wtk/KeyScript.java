package zor.wtk;

import java.util.ArrayList;
import java.util.List;

/** Scripted key events: "500:RIGHT+ 1500:RIGHT-" presses RIGHT at 500 ms and lets go at 1500. */
final class KeyScript {
    static final class Step {
        final long atMillis;
        final int keyCode;
        final boolean pressed;

        Step(long atMillis, int keyCode, boolean pressed) {
            this.atMillis = atMillis;
            this.keyCode = keyCode;
            this.pressed = pressed;
        }
    }

    private KeyScript() {}

    static List<Step> parse(String script) {
        List<Step> steps = new ArrayList<Step>();
        for (String token : script.trim().split("\\s+")) {
            if (token.isEmpty()) {
                continue;
            }
            int colon = token.indexOf(':');
            char edge = token.charAt(token.length() - 1);
            if (colon < 1 || (edge != '+' && edge != '-')) {
                throw new IllegalArgumentException(
                        "a key step looks like 500:FIRE+ or 700:FIRE-, not " + token);
            }
            long at;
            try {
                at = Long.parseLong(token.substring(0, colon));
            } catch (NumberFormatException e) {
                throw new IllegalArgumentException("bad time in key step " + token);
            }
            Integer code = codeOf(token.substring(colon + 1, token.length() - 1));
            if (code == null || at < 0) {
                throw new IllegalArgumentException("bad key step " + token
                        + " (keys: UP DOWN LEFT RIGHT "
                        + "FIRE SOFT1 SOFT2 0-9 STAR POUND)");
            }
            steps.add(new Step(at, code, edge == '+'));
        }
        steps.sort((a, b) -> Long.compare(a.atMillis, b.atMillis));
        return steps;
    }

    /** The phone key code of a key name. */
    static Integer codeOf(String name) {
        switch (name.toUpperCase()) {
            case "UP": return -1;
            case "DOWN": return -2;
            case "LEFT": return -3;
            case "RIGHT": return -4;
            case "FIRE":
            case "SELECT": return -5;
            case "SOFT1": return -6;
            case "SOFT2": return -7;
            case "STAR":
            case "*": return 42;
            case "POUND":
            case "#": return 35;
            default:
                if (name.length() == 1 && Character.isDigit(name.charAt(0))) {
                    return (int) name.charAt(0);
                }
                if (name.length() == 4 && name.toUpperCase().startsWith("NUM")
                        && Character.isDigit(name.charAt(3))) {
                    return (int) name.charAt(3);
                }
                return null;
        }
    }
}
