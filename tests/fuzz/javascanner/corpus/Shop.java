/** The shop. */
public class Shop extends Base implements Runnable {
    private int count = 0x1F; // items
    String a, b = "x\"y";
    char c = '\'';
    double d = 1.5e-3 + .5f;
    /* open
       comment */ int x;
    public static void main (String[] args) throws Exception {
        if (count >>>= 2 != 0 && a != null) { x++; }
    }
}
