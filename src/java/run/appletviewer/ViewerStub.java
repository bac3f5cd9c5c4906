// What an applet sees of its viewer: its page, code base, parameters and a small context.

package quillmarsh.appletviewer;

import java.applet.Applet;
import java.applet.AppletContext;
import java.applet.AppletStub;
import java.applet.AudioClip;
import java.awt.Frame;
import java.awt.Image;
import java.awt.Toolkit;
import java.io.InputStream;
import java.net.URL;
import java.util.Collections;
import java.util.Enumeration;
import java.util.Iterator;

@SuppressWarnings({"deprecation", "removal"})
final class ViewerStub implements AppletStub, AppletContext {
    private final Applet applet;
    private final Frame frame;
    private final URL documentBase;
    private final URL codeBase;
    private final AppletTag tag;
    private volatile boolean active;

    ViewerStub(Applet applet, Frame frame, URL documentBase, URL codeBase, AppletTag tag) {
        this.applet = applet;
        this.frame = frame;
        this.documentBase = documentBase;
        this.codeBase = codeBase;
        this.tag = tag;
    }

    void setActive(boolean on) {
        active = on;
    }

    // AppletStub
    @Override public boolean isActive() { return active; }
    @Override public URL getDocumentBase() { return documentBase; }
    @Override public URL getCodeBase() { return codeBase; }
    @Override public String getParameter(String name) { return tag.parameter(name); }
    @Override public AppletContext getAppletContext() { return this; }

    @Override
    public void appletResize(int width, int height) {
        applet.setPreferredSize(new java.awt.Dimension(width, height));
        frame.pack();
    }

    // AppletContext
    @Override
    public AudioClip getAudioClip(URL url) {
        return Applet.newAudioClip(url);
    }

    @Override
    public Image getImage(URL url) {
        return Toolkit.getDefaultToolkit().getImage(url);
    }

    @Override
    public Applet getApplet(String name) {
        String own = tag.attribute("name");
        return own != null && own.equals(name) ? applet : null;
    }

    @Override
    public Enumeration<Applet> getApplets() {
        return Collections.enumeration(Collections.singletonList(applet));
    }

    @Override public void showDocument(URL url) {}
    @Override public void showDocument(URL url, String target) {}

    @Override
    public void showStatus(String status) {
        System.out.println(status);
    }

    @Override public void setStream(String key, InputStream stream) {}
    @Override public InputStream getStream(String key) { return null; }
    @Override public Iterator<String> getStreamKeys() { return Collections.emptyIterator(); }
}
