class A {
  void f() {
    class B { }
  }
}
interface I { void g(); }
class Tiny { public static void main(String[] a) {} }
