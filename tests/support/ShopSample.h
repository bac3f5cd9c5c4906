#pragma once

#include <QStringList>

// A Java source with the cases the source scanner and its users must get right: a class
// with fields, comma lists, constructors, a throws clause, braces in comments and literals,
// a nested class, an interface and a second class whose name contains the first one's.
namespace ShopSample {

inline const QStringList lines = {
    "import java.awt.*;",
    "import java.io.*;",
    "",
    "/** A shop with a { brace in its doc comment */",
    "public class Shop extends Frame implements Runnable {",
    "    private int count = 0;",
    "    String a, b;",
    "    int x, y;",
    "    public static final int MAX = 10;",
    "    protected String name = \"Shop { not a brace }\";",
    "    // a comment with a } brace",
    "    /* a block comment",
    "       spanning { lines */",
    "    public Shop() {",
    "        super(\"Shop\");",
    "    }",
    "    public Shop(int n) throws IOException {",
    "        count = n;",
    "    }",
    "    public void run() {",
    "        char c = '{';",
    "    }",
    "    private void helper(int x, int y) throws IOException, InterruptedException",
    "    {",
    "        x = y;",
    "    }",
    "    public int total() {",
    "        return count;",
    "    }",
    "    public static void main(String[] args) {",
    "        new Shop().run();",
    "    }",
    "    class Inner {",
    "        int hidden;",
    "    }",
    "}",
    "",
    "interface Payable {",
    "    void pay();",
    "}",
    "",
    "class ShopItem {",
    "    double price;",
    "}",
};

} // namespace ShopSample
