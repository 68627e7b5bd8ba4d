package javax.microedition.media;

public interface TimeBase {
    long getTime();
}
