// The first <applet ...> tag of a page: its attributes and the <param> tags up to </applet>.
// Names are compared without regard to case; values may be quoted with " or ' or bare.

package quillmarsh.appletviewer;

import java.util.LinkedHashMap;
import java.util.Locale;
import java.util.Map;

final class AppletTag {
    private final Map<String, String> attributes = new LinkedHashMap<>();
    private final Map<String, String> parameters = new LinkedHashMap<>();

    private AppletTag() {}

    // null when the page holds no applet tag.
    static AppletTag parse(String html) {
        String lower = html.toLowerCase(Locale.ROOT);
        int start = findTag(lower, "applet", 0);
        if (start < 0)
            return null;
        AppletTag tag = new AppletTag();
        int end = readAttributes(html, start + "<applet".length(), tag.attributes);
        int close = lower.indexOf("</applet", end);
        int limit = close < 0 ? html.length() : close;
        for (int p = findTag(lower, "param", end); p >= 0 && p < limit;
                p = findTag(lower, "param", p + 1)) {
            Map<String, String> param = new LinkedHashMap<>();
            readAttributes(html, p + "<param".length(), param);
            String name = param.get("name");
            if (name != null)
                tag.parameters.put(name.toLowerCase(Locale.ROOT), param.getOrDefault("value", ""));
        }
        return tag;
    }

    String code() {
        return attribute("code");
    }

    String attribute(String name) {
        return attributes.get(name.toLowerCase(Locale.ROOT));
    }

    String parameter(String name) {
        return name == null ? null : parameters.get(name.toLowerCase(Locale.ROOT));
    }

    int intAttribute(String name, int def) {
        String value = attribute(name);
        if (value == null)
            return def;
        try {
            int n = Integer.parseInt(value.trim());
            return n > 0 ? n : def;
        } catch (NumberFormatException e) {
            return def;
        }
    }

    // Index of "<name" followed by a blank, "/" or ">", or -1.
    private static int findTag(String lower, String name, int from) {
        String open = "<" + name;
        for (int i = lower.indexOf(open, from); i >= 0; i = lower.indexOf(open, i + 1)) {
            int after = i + open.length();
            if (after >= lower.length())
                return -1;
            char c = lower.charAt(after);
            if (Character.isWhitespace(c) || c == '>' || c == '/')
                return i;
        }
        return -1;
    }

    // Reads name=value pairs from pos up to the closing ">"; returns the index after it.
    private static int readAttributes(String html, int pos, Map<String, String> into) {
        int n = html.length();
        while (pos < n) {
            char c = html.charAt(pos);
            if (c == '>')
                return pos + 1;
            if (Character.isWhitespace(c) || c == '/') {
                pos++;
                continue;
            }
            int nameStart = pos;
            while (pos < n && !Character.isWhitespace(html.charAt(pos)) && "=>/".indexOf(html.charAt(pos)) < 0)
                pos++;
            String name = html.substring(nameStart, pos).toLowerCase(Locale.ROOT);
            while (pos < n && Character.isWhitespace(html.charAt(pos)))
                pos++;
            String value = "";
            if (pos < n && html.charAt(pos) == '=') {
                pos++;
                while (pos < n && Character.isWhitespace(html.charAt(pos)))
                    pos++;
                if (pos < n && (html.charAt(pos) == '"' || html.charAt(pos) == '\'')) {
                    char quote = html.charAt(pos++);
                    int valueEnd = html.indexOf(quote, pos);
                    if (valueEnd < 0)
                        valueEnd = n;
                    value = html.substring(pos, valueEnd);
                    pos = Math.min(n, valueEnd + 1);
                } else {
                    int valueStart = pos;
                    while (pos < n && !Character.isWhitespace(html.charAt(pos)) && html.charAt(pos) != '>')
                        pos++;
                    value = html.substring(valueStart, pos);
                }
            }
            if (!name.isEmpty())
                into.putIfAbsent(name, value);
        }
        return n;
    }
}
