public class MultiLineText {
}
